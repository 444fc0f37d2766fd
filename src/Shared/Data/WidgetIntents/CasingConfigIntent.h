#pragma once

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "kit/intents/AppIntent.h"

#include <string_view>
#include <tuple>

namespace zavel {

// The configuration of every widget that has no options of its own: only its casing.
struct CasingConfigIntent {
  static constexpr std::string_view typeName = "CasingConfigIntent";
  static constexpr std::string_view title = "Widget Options";

  CasingOption casing = CasingOption::followApp;

  static constexpr auto parameters() {
    return std::tuple{casingParameter(&CasingConfigIntent::casing)};
  }
  bool operator==(const CasingConfigIntent &) const = default;
};

static_assert(kit::intents::WidgetConfigurationIntent<CasingConfigIntent>);

} // namespace zavel
