#include "Widgets/WeatherWidgets/AirQualityTimelineProvider.h"

#include "Widgets/Shell/ReloadMinutes.h"
#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

namespace zavel {

using kit::foundation::Date;

// A sample shown for want of any value is retried sooner.
constexpr ReloadMinutes airQualityReload{.withData = 30, .withoutData = 15};

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
  return {{{now, reading.value_or(sample()), configuration.casing}},
          airQualityReload.after(now, reading.has_value())};
}

} // namespace zavel
