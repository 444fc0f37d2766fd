#pragma once

#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "kit/widgets/AppIntentConfiguration.h"

#include <string_view>

namespace zavel {

// The small conditions widget: now, with the day's high and low.
struct WeatherConditionsWidget {
  static constexpr std::string_view typeName = "WeatherConditionsWidget";
  kit::widgets::AppIntentConfiguration<WeatherTimelineProvider> body() const;
};

} // namespace zavel
