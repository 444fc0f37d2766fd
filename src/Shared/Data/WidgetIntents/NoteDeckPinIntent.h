#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

#include <string_view>

namespace zavel {

// The notes deck's pin key: pins the note the deck shows, or unpins it.
struct NoteDeckPinIntent {
  static constexpr std::string_view typeName = "NoteDeckPinIntent";
  static constexpr std::string_view title = "Pin Note";

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
