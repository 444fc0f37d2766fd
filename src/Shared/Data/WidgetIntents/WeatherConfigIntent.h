#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Shared/Data/WidgetIntents/TempUnitOption.h"
#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

#include "kit/intents/AppIntent.h"

#include <optional>
#include <string_view>
#include <tuple>

namespace zavel {

// The configuration of a weather widget: its place (none: the default place), its unit and its
// casing.
struct WeatherConfigIntent {
  static constexpr std::string_view typeName = "WeatherConfigIntent";
  static constexpr std::string_view title = "Weather Options";

  std::optional<WeatherPlaceEntity> place;
  TempUnitOption unit = TempUnitOption::system;
  CasingOption casing = CasingOption::followApp;

  static constexpr auto parameters() {
    using kit::intents::parameter;
    return std::tuple{parameter("place", "Place", &WeatherConfigIntent::place),
                      parameter("unit", "Units", &WeatherConfigIntent::unit),
                      casingParameter(&WeatherConfigIntent::casing)};
  }

  // The snapshot (in Celsius, as stored) in the configured unit.
  WeatherSnapshot localized(const WeatherSnapshot &snapshot) const {
    return zavel::localized(unit, snapshot);
  }

  bool operator==(const WeatherConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<WeatherConfigIntent>);

} // namespace zavel
