#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

#include <string_view>

namespace zavel {

// The stopwatch's start/lap key: starts a stopped stopwatch afresh, or takes a lap of a running
// one.
struct StopwatchToggleIntent {
  static constexpr std::string_view typeName = "StopwatchToggleIntent";
  static constexpr std::string_view title = "Start or Lap Stopwatch";

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
