#include "Widgets/WeatherWidgets/AirQualityTimelineProvider.h"

#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

namespace zavel {

using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

namespace {

// Minutes until the next timeline: a sample shown for want of any value is retried sooner.
constexpr int reloadMinutesWithValue = 30;
constexpr int reloadMinutesWithSample = 15;

} // namespace

std::optional<AirQualitySnapshot>
AirQualityTimelineProvider::airQualityOf(const Intent &configuration) const {
  return AirQualityProvider::snapshot(configuredPlace(configuration, environment),
                                      {environment.home, environment.clock, airQualityAddress});
}

AirQualityEntry AirQualityTimelineProvider::placeholder(const TimelineContext &) const {
  return {environment.clock.now(), AirQualitySnapshot::sample(), CasingOption::followApp};
}

AirQualityEntry AirQualityTimelineProvider::snapshot(const Intent &configuration,
                                                     const TimelineContext &context) const {
  if (context.isPreview)
    return {environment.clock.now(), AirQualitySnapshot::sample(), configuration.casing};
  std::optional<AirQualitySnapshot> reading = airQualityOf(configuration);
  return {environment.clock.now(), reading.value_or(AirQualitySnapshot::sample()),
          configuration.casing};
}

Timeline<AirQualityEntry> AirQualityTimelineProvider::timeline(const Intent &configuration,
                                                               const TimelineContext &) const {
  std::optional<AirQualitySnapshot> reading = airQualityOf(configuration);
  kit::foundation::Date now = environment.clock.now();
  int reloadMinutes = reading ? reloadMinutesWithValue : reloadMinutesWithSample;
  return {{{now, reading.value_or(AirQualitySnapshot::sample()), configuration.casing}},
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
