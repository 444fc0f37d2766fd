#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

#include <optional>

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;

namespace {

// Minutes until the next timeline: a sample shown for want of any data is retried sooner.
constexpr int reloadMinutesWithData = 30;
constexpr int reloadMinutesWithSample = 10;

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
  int reloadMinutes = weather ? reloadMinutesWithData : reloadMinutesWithSample;
  return {tenMinuteEntries(now, data, configuration.casing),
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
