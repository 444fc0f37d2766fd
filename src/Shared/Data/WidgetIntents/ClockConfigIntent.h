#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

#include "kit/foundation/TimeZone.h"
#include "kit/intents/AppIntent.h"

#include <optional>
#include <string_view>
#include <tuple>

namespace zavel {

// The configuration of the single-zone clocks: the city they show.
struct ClockConfigIntent {
  static constexpr std::string_view typeName = "ClockConfigIntent";
  static constexpr std::string_view title = "Clock Options";

  std::optional<TimeZoneEntity> city;
  CasingOption casing = CasingOption::followApp;

  // The city's zone; the current zone when no city is set or the system knows no zone of it.
  kit::foundation::TimeZone timeZone() const;

  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("city", "City", &ClockConfigIntent::city),
                      casingParameter(&ClockConfigIntent::casing)};
  }
  bool operator==(const ClockConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<ClockConfigIntent>);

} // namespace zavel
