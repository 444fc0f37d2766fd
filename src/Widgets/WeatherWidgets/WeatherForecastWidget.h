#pragma once

#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "kit/widgets/AppIntentConfiguration.h"

#include <string_view>

namespace zavel {

// The medium forecast widget: today and the next six days.
struct WeatherForecastWidget {
  static constexpr std::string_view typeName = "WeatherForecastWidget";
  kit::widgets::AppIntentConfiguration<WeatherTimelineProvider> body() const;
};

} // namespace zavel
