#include "Shared/Data/WidgetIntents/SourceEntities.h"

#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

namespace zavel {

kit::intents::IntentRegistry &addSourceEntities(kit::intents::IntentRegistry &registry) {
  return registry.addEntity<TimeZoneEntity>();
}

} // namespace zavel
