#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"
#include "kit/intents/Parameter.h"

#include <string>
#include <string_view>
#include <tuple>

namespace zavel {

// The save key of a row of the weather deck's saved cities: saves the city, or forgets it.
struct ToggleFavCityIntent {
  static constexpr std::string_view typeName = "ToggleFavCityIntent";
  static constexpr std::string_view title = "Save Location";

  std::string name; // as the deck lists the city

  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("name", "City", &ToggleFavCityIntent::name)};
  }

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
