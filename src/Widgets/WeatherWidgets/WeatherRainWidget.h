#pragma once

#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "kit/widgets/AppIntentConfiguration.h"

#include <string_view>

namespace zavel {

// The medium rain widget: the chance of rain over the next twelve hours.
struct WeatherRainWidget {
  static constexpr std::string_view typeName = "WeatherRainWidget";
  kit::widgets::AppIntentConfiguration<WeatherTimelineProvider> body() const;
};

} // namespace zavel
