#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

#include <string_view>

namespace zavel {

// The stopwatch's reset key: stopped, with no laps.
struct StopwatchResetIntent {
  static constexpr std::string_view typeName = "StopwatchResetIntent";
  static constexpr std::string_view title = "Reset Stopwatch";

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
