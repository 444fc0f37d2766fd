#pragma once

#include "Widgets/WeatherWidgets/DaylightTimelineProvider.h"

#include "kit/widgets/AppIntentConfiguration.h"

#include <string_view>

namespace zavel {

// The medium daylight widget: the sun on its arc between today's sunrise and sunset.
struct DaylightWidget {
  static constexpr std::string_view typeName = "DaylightWidget";
  kit::widgets::AppIntentConfiguration<DaylightTimelineProvider> body() const;
};

} // namespace zavel
