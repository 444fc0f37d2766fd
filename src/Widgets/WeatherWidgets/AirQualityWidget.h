#pragma once

#include "Widgets/WeatherWidgets/AirQualityTimelineProvider.h"

#include "kit/widgets/AppIntentConfiguration.h"

#include <string_view>

namespace zavel {

// The small air-quality widget: the US index at the configured place.
struct AirQualityWidget {
  static constexpr std::string_view typeName = "AirQualityWidget";
  kit::widgets::AppIntentConfiguration<AirQualityTimelineProvider> body() const;
};

} // namespace zavel
