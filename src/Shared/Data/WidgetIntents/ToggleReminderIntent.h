#pragma once

#include "kit/intents/AppIntent.h"
#include "kit/intents/Parameter.h"

#include <string>
#include <string_view>
#include <tuple>

namespace zavel {

// The key on a reminder: completes it when open, reopens it when completed. It asks for no
// reload itself; the host reloads the pressed widget after any key.
struct ToggleReminderIntent {
  static constexpr std::string_view typeName = "ToggleReminderIntent";
  static constexpr std::string_view title = "Complete Reminder";

  // The reminder's id as the reminders snapshot carries it.
  std::string reminderID;

  static constexpr auto parameters() {
    return std::tuple{
        kit::intents::parameter("reminderID", "Reminder ID", &ToggleReminderIntent::reminderID)};
  }

  kit::intents::IntentResult perform() const noexcept;
};

} // namespace zavel
