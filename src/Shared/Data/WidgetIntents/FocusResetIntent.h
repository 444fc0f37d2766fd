#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

#include <string_view>

namespace zavel {

// The focus widget's reset key: stops the session, keeping its length.
struct FocusResetIntent {
  static constexpr std::string_view typeName = "FocusResetIntent";
  static constexpr std::string_view title = "Reset Focus";

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
