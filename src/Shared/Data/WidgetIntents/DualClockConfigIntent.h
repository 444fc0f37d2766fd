#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

#include "kit/intents/AppIntent.h"

#include <optional>
#include <string_view>
#include <tuple>

namespace zavel {

// The dual time widget's configuration: a home and an away city, resolved by the widget itself.
struct DualClockConfigIntent {
  static constexpr std::string_view typeName = "DualClockConfigIntent";
  static constexpr std::string_view title = "Dual Time Options";

  std::optional<TimeZoneEntity> home;
  std::optional<TimeZoneEntity> away;
  CasingOption casing = CasingOption::followApp;

  static constexpr auto parameters() {
    using kit::intents::parameter;
    using I = DualClockConfigIntent;
    return std::tuple{parameter("home", "Home", &I::home), parameter("away", "Away", &I::away),
                      casingParameter(&I::casing)};
  }
  bool operator==(const DualClockConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<DualClockConfigIntent>);

} // namespace zavel
