#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/WeatherProvider/Environment.h"
#include "Shared/Data/WeatherProvider/Place.h"
#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Shared/Data/WidgetIntents/TempUnitOption.h"
#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

#include "kit/intents/AppIntent.h"

#include <array>
#include <optional>
#include <string_view>
#include <tuple>

namespace zavel {

// The weather deck's configuration: its home place (none: the default place), its unit, the
// three other cities of its saved-locations screen (none: the deck's own choice) and its casing.
struct WeatherDeckConfigIntent {
  static constexpr std::string_view typeName = "WeatherDeckConfigIntent";
  static constexpr std::string_view title = "Weather Deck Options";

  std::optional<WeatherPlaceEntity> place;
  TempUnitOption unit = TempUnitOption::system;
  std::optional<WeatherPlaceEntity> city2;
  std::optional<WeatherPlaceEntity> city3;
  std::optional<WeatherPlaceEntity> city4;
  CasingOption casing = CasingOption::followApp;

  static constexpr auto parameters() {
    using kit::intents::parameter;
    using I = WeatherDeckConfigIntent;
    return std::tuple{parameter("place", "Place", &I::place),
                      parameter("unit", "Units", &I::unit),
                      parameter("city2", "Saved city 2", &I::city2),
                      parameter("city3", "Saved city 3", &I::city3),
                      parameter("city4", "Saved city 4", &I::city4),
                      casingParameter(&I::casing)};
  }

  // The four places of the deck in order: the home place, else the default place (looked up
  // only then), and the three cities, each else Kyoto, Lisbon and Sydney. A city whose entity
  // cannot be read is the fallback place, not the built-in city.
  std::array<WeatherProvider::Place, 4>
  savedPlaces(const WeatherProvider::Environment &environment = {}) const;

  // The snapshot (in Celsius, as stored) in the configured unit.
  WeatherSnapshot localized(const WeatherSnapshot &snapshot) const {
    return zavel::localized(unit, snapshot);
  }

  bool operator==(const WeatherDeckConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<WeatherDeckConfigIntent>);

} // namespace zavel
