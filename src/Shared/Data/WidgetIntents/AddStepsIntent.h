#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"
#include "kit/intents/Parameter.h"

#include <cstdint>
#include <string_view>
#include <tuple>

namespace zavel {

// The steps widget's add key: `steps` more today (fewer when negative).
struct AddStepsIntent {
  static constexpr std::string_view typeName = "AddStepsIntent";
  static constexpr std::string_view title = "Log Steps";

  int64_t steps = 1000;

  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("steps", "Steps", &AddStepsIntent::steps)};
  }

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
