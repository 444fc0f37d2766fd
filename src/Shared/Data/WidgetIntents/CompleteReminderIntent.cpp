#include "Shared/Data/WidgetIntents/CompleteReminderIntent.h"

#include "Shared/Data/EventSync/EventSync.h"

#include <exception>

namespace zavel {

kit::intents::IntentResult ToggleReminderIntent::perform() const noexcept {
  try {
    EventSync::toggleReminder(reminderID);
  } catch (const std::exception &) {
    // A key press reports nothing; the reminder stays as the store has it.
  }
  return kit::intents::IntentResult::result();
}

} // namespace zavel
