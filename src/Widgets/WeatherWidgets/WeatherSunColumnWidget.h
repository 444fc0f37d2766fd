#pragma once

#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "kit/widgets/AppIntentConfiguration.h"

#include <string_view>

namespace zavel {

// The large sun column widget: the full portrait of the place, the sun placed on its arc by each
// entry's date.
struct WeatherSunColumnWidget {
  static constexpr std::string_view typeName = "WeatherSunColumnWidget";
  kit::widgets::AppIntentConfiguration<WeatherTimelineProvider> body() const;
};

} // namespace zavel
