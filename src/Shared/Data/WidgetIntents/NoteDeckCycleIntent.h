#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"
#include "kit/intents/Parameter.h"

#include <cstdint>
#include <string_view>
#include <tuple>

namespace zavel {

// The notes deck's cycle keys: the note `step` places on, wrapping around the list.
struct NoteDeckCycleIntent {
  static constexpr std::string_view typeName = "NoteDeckCycleIntent";
  static constexpr std::string_view title = "Cycle Notes";

  int64_t step = 1; // negative steps go back

  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("step", "Step", &NoteDeckCycleIntent::step)};
  }

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
