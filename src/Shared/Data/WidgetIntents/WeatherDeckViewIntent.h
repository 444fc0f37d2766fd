#pragma once

#include "Shared/Data/DeckState.h"
#include "Shared/Data/WidgetIntents/ActionEnvironment.h"
#include "kit/intents/Parameter.h"

#include <array>
#include <string>
#include <string_view>
#include <tuple>

namespace zavel {

// The weather deck's screen keys: shows the named screen (home for a name of none).
struct WeatherDeckViewIntent {
  static constexpr std::string_view typeName = "WeatherDeckViewIntent";
  static constexpr std::string_view title = "Weather Deck View";

  std::string view = "home"; // a screen's raw value
  static constexpr std::array<std::string_view, 4> views{"home", "today", "week", "fav"};

  WeatherDeckViewIntent() = default;
  explicit WeatherDeckViewIntent(DeckState::WeatherView screen)
      : view(DeckState::rawValue(screen)) {}

  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("view", "View", &WeatherDeckViewIntent::view, views)};
  }

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
