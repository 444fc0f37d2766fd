#include "Shared/Data/WidgetIntents/WeatherEntities.h"

#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

namespace zavel {

kit::intents::IntentRegistry &addWeatherEntities(kit::intents::IntentRegistry &registry) {
  return registry.addEntity<WeatherPlaceEntity>();
}

} // namespace zavel
