#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "Widgets/Shell/ReloadMinutes.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

#include <optional>

namespace zavel {

using kit::foundation::Date;

namespace {

// A sample shown for want of any data is retried sooner.
constexpr ReloadMinutes weatherReload{.withData = 30, .withoutData = 10};

// The weather of the configured place in Celsius, or none when nothing answered and nothing
// was stored.
std::optional<WeatherSnapshot> weatherOf(const WeatherConfigIntent &configuration,
                                         const WeatherProvider::Environment &environment) {
  return WeatherProvider::snapshot(configuredPlace(configuration, environment), environment);
}

} // namespace

WeatherSnapshot WeatherTimeline::live(const Intent &configuration, Date) const {
  return configuration.localized(weatherOf(configuration, environment).value_or(sample()));
}

kit::widgets::Timeline<WeatherEntry> WeatherTimeline::timeline(const Intent &configuration) const {
  std::optional<WeatherSnapshot> weather = weatherOf(configuration, environment);
  Date now = environment.clock.now();
  WeatherSnapshot data = configuration.localized(weather.value_or(sample()));
  return {tenMinuteEntries(now, data, configuration.casing),
          weatherReload.after(now, weather.has_value())};
}

} // namespace zavel
