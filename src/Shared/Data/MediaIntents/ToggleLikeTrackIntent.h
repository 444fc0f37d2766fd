#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"

#include <string_view>

namespace zavel {

// The now-playing deck's love key: loves the playing track, or stops loving it, and tells the
// host application's player.
struct ToggleLikeTrackIntent {
  static constexpr std::string_view typeName = "ToggleLikeTrackIntent";
  static constexpr std::string_view title = "Love Track";

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
