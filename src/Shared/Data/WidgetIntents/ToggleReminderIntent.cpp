#include "Shared/Data/WidgetIntents/ToggleReminderIntent.h"

#include "Shared/Data/EventSync/EventSync.h"
#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

namespace zavel {

kit::intents::IntentResult ToggleReminderIntent::perform() const noexcept {
  return performQuietly([&] { EventSync::toggleReminder(reminderID); });
}

} // namespace zavel
