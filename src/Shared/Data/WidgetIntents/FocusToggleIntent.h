#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

#include <string_view>

namespace zavel {

// The focus widget's start/stop key: stops a running session, else starts one of its length from
// now.
struct FocusToggleIntent {
  static constexpr std::string_view typeName = "FocusToggleIntent";
  static constexpr std::string_view title = "Start or Stop Focus";

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
