#include "Widgets/WeatherWidgets/AirQualityTimelineProvider.h"

#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;

namespace {

// Minutes until the next timeline: a sample shown for want of any value is retried sooner.
constexpr int reloadMinutesWithValue = 30;
constexpr int reloadMinutesWithSample = 15;

} // namespace

std::optional<AirQualitySnapshot>
AirQualityTimeline::airQualityOf(const Intent &configuration) const {
  return AirQualityProvider::snapshot(configuredPlace(configuration, environment),
                                      {environment.home, environment.clock, airQualityAddress});
}

AirQualitySnapshot AirQualityTimeline::live(const Intent &configuration, Date) const {
  return airQualityOf(configuration).value_or(sample());
}

kit::widgets::Timeline<AirQualityEntry>
AirQualityTimeline::timeline(const Intent &configuration) const {
  std::optional<AirQualitySnapshot> reading = airQualityOf(configuration);
  Date now = environment.clock.now();
  int reloadMinutes = reading ? reloadMinutesWithValue : reloadMinutesWithSample;
  return {{{now, reading.value_or(sample()), configuration.casing}},
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
