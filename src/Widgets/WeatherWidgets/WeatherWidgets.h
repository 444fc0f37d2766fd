#pragma once

#include "Widgets/Shell/ZavelWidget.h"
#include "Widgets/WeatherWidgets/AirQualityTimelineProvider.h"
#include "Widgets/WeatherWidgets/DaylightTimelineProvider.h"
#include "Widgets/WeatherWidgets/MoonProvider.h"
#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

namespace zavel {

// The weather family, in gallery order.
ZavelWidget<WeatherTimelineProvider> WeatherConditionsWidget();
ZavelWidget<WeatherTimelineProvider> WeatherForecastWidget();
ZavelWidget<WeatherTimelineProvider> WeatherSunColumnWidget();
ZavelWidget<WeatherTimelineProvider> WeatherRainWidget();
ZavelWidget<MoonProvider> MoonWidget();
ZavelWidget<DaylightTimelineProvider> DaylightWidget();
ZavelWidget<AirQualityTimelineProvider> AirQualityWidget();

} // namespace zavel
