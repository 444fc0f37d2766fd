#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

#include "kit/foundation/TimeZone.h"
#include "kit/intents/AppIntent.h"

#include <array>
#include <optional>
#include <string_view>
#include <tuple>

namespace zavel {

// The world strip's configuration: three cities.
struct WorldClockConfigIntent {
  static constexpr std::string_view typeName = "WorldClockConfigIntent";
  static constexpr std::string_view title = "World Clock Options";

  std::optional<TimeZoneEntity> city1;
  std::optional<TimeZoneEntity> city2;
  std::optional<TimeZoneEntity> city3;
  CasingOption casing = CasingOption::followApp;

  // The three cities' zones in order. A city the system knows no zone of gives the current zone;
  // an unset one gives the current zone, New York and Tokyo in turn.
  std::array<kit::foundation::TimeZone, 3> zones() const;

  static constexpr auto parameters() {
    using kit::intents::parameter;
    using I = WorldClockConfigIntent;
    return std::tuple{parameter("city1", "City 1", &I::city1),
                      parameter("city2", "City 2", &I::city2),
                      parameter("city3", "City 3", &I::city3), casingParameter(&I::casing)};
  }
  bool operator==(const WorldClockConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<WorldClockConfigIntent>);

} // namespace zavel
