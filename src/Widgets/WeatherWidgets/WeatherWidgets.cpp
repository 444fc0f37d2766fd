#include "Widgets/WeatherWidgets/WeatherWidgets.h"

#include "Shared/Views/WeatherViews/AirQualityView.h"
#include "Shared/Views/WeatherViews/DaylightView.h"
#include "Shared/Views/WeatherViews/MoonView.h"
#include "Shared/Views/WeatherViews/WeatherConditionsView.h"
#include "Shared/Views/WeatherViews/WeatherForecastView.h"
#include "Shared/Views/WeatherViews/WeatherRainView.h"
#include "Shared/Views/WeatherViews/WeatherSunColumnView.h"

namespace zavel {

namespace {

// Where a tap on a forecast widget takes the host application.
constexpr std::string_view weatherLink = "zavelwidgets://open/weather";

} // namespace

ZavelWidget<WeatherTimelineProvider> WeatherConditionsWidget() {
  return {
      .typeName = "WeatherConditionsWidget",
      .kind = "zavel.weather.current",
      .size = ZavelSize::s,
      .face = dataFace<WeatherConditionsView>(),
      .name = "Conditions",
      .description = "Now, with highs and lows.",
      .link = weatherLink,
  };
}

ZavelWidget<WeatherTimelineProvider> WeatherForecastWidget() {
  return {
      .typeName = "WeatherForecastWidget",
      .kind = "zavel.weather.forecast",
      .size = ZavelSize::m,
      .face = dataFace<WeatherForecastView>(),
      .name = "Forecast",
      .description = "The next seven days across the screen.",
      .link = weatherLink,
  };
}

ZavelWidget<WeatherTimelineProvider> WeatherSunColumnWidget() {
  return {
      .typeName = "WeatherSunColumnWidget",
      .kind = "zavel.weather.column",
      .size = ZavelSize::l,
      .face = datedFace<WeatherSunColumnView>(),
      .name = "Sun Column",
      .description = "The full portrait: temperature, sky and sunset.",
      .link = weatherLink,
  };
}

ZavelWidget<WeatherTimelineProvider> WeatherRainWidget() {
  return {
      .typeName = "WeatherRainWidget",
      .kind = "zavel.weather.rain",
      .size = ZavelSize::m,
      .face = dataFace<WeatherRainView>(),
      .name = "Rain Radar",
      .description = "Rain chance over the next 12 hours.",
      .link = weatherLink,
  };
}

ZavelWidget<MoonProvider> MoonWidget() {
  return {
      .typeName = "MoonWidget",
      .kind = "zavel.moon",
      .size = ZavelSize::s,
      .face = dataFace<MoonView>(),
      .name = "Moon",
      .description = "Tonight's phase.",
  };
}

ZavelWidget<DaylightTimelineProvider> DaylightWidget() {
  return {
      .typeName = "DaylightWidget",
      .kind = "zavel.daylight",
      .size = ZavelSize::m,
      .face = datedFace<DaylightView>(),
      .name = "Daylight",
      .description = "Sunrise to sunset, with the sun on its arc.",
  };
}

ZavelWidget<AirQualityTimelineProvider> AirQualityWidget() {
  return {
      .typeName = "AirQualityWidget",
      .kind = "zavel.airquality",
      .size = ZavelSize::s,
      .face = dataFace<AirQualityView>(),
      .name = "Air Quality",
      .description = "US AQI where you are.",
  };
}

} // namespace zavel
