#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"
#include "kit/intents/Parameter.h"

#include <string>
#include <string_view>
#include <tuple>

namespace zavel {

// A row key of the habits widget: checks the habit in for today, or takes today's check-in back.
struct HabitToggleIntent {
  static constexpr std::string_view typeName = "HabitToggleIntent";
  static constexpr std::string_view title = "Check In Habit";

  std::string habitID; // the habit's id in canonical form

  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("habitID", "Habit ID", &HabitToggleIntent::habitID)};
  }

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
