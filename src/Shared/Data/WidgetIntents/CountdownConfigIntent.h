#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"

#include "kit/foundation/Date.h"
#include "kit/intents/AppIntent.h"

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace zavel {

// The countdown's configuration: what it counts down to, and when.
struct CountdownConfigIntent {
  static constexpr std::string_view typeName = "CountdownConfigIntent";
  static constexpr std::string_view title = "Countdown Options";

  std::string name = "Launch";
  // Picked as a date and a time; none until the user picks one.
  std::optional<kit::foundation::Date> target;
  CasingOption casing = CasingOption::followApp;

  static constexpr auto parameters() {
    using kit::intents::parameter;
    using I = CountdownConfigIntent;
    return std::tuple{parameter("name", "Title", &I::name), parameter("target", "Date", &I::target),
                      casingParameter(&I::casing)};
  }
  bool operator==(const CountdownConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<CountdownConfigIntent>);

} // namespace zavel
