#include "Widgets/WeatherWidgets/WeatherTimelineProvider.h"

#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

#include <optional>

namespace zavel {

using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

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

WeatherEntry WeatherTimelineProvider::placeholder(const TimelineContext &) const {
  return {environment.clock.now(), WeatherSnapshot::sample(), CasingOption::followApp};
}

WeatherEntry WeatherTimelineProvider::snapshot(const Intent &configuration,
                                               const TimelineContext &context) const {
  kit::foundation::Date now = environment.clock.now();
  if (context.isPreview)
    return {now, WeatherSnapshot::sample(), configuration.casing};
  std::optional<WeatherSnapshot> weather = weatherOf(configuration, environment);
  return {now, configuration.localized(weather.value_or(WeatherSnapshot::sample())),
          configuration.casing};
}

Timeline<WeatherEntry> WeatherTimelineProvider::timeline(const Intent &configuration,
                                                         const TimelineContext &) const {
  std::optional<WeatherSnapshot> weather = weatherOf(configuration, environment);
  kit::foundation::Date now = environment.clock.now();
  WeatherSnapshot data = configuration.localized(weather.value_or(WeatherSnapshot::sample()));
  int reloadMinutes = weather ? reloadMinutesWithData : reloadMinutesWithSample;
  return {tenMinuteEntries(now, data, configuration.casing),
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
