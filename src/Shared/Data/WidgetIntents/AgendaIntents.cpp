#include "Shared/Data/WidgetIntents/AgendaIntents.h"

#include "Shared/Data/WidgetIntents/ToggleReminderIntent.h"

namespace zavel {

kit::intents::IntentRegistry &addAgendaIntents(kit::intents::IntentRegistry &registry) {
  return registry.add<ToggleReminderIntent>();
}

} // namespace zavel
