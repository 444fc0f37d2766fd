#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

#include <string_view>

namespace zavel {

// The water widget's add key: one more glass today.
struct AddWaterIntent {
  static constexpr std::string_view typeName = "AddWaterIntent";
  static constexpr std::string_view title = "Log a Glass of Water";

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
