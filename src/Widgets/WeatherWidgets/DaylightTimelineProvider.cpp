#include "Widgets/WeatherWidgets/DaylightTimelineProvider.h"

#include "Shared/Data/SkyMath.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

#include <optional>

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;

namespace {

constexpr int reloadMinutes = 30;

} // namespace

DaylightInfo DaylightTimeline::live(const Intent &configuration, Date now) const {
  WeatherProvider::Place place = configuredPlace(configuration, environment);
  DaylightInfo info = SkyMath::daylight(place.name, now, place.latitude, place.longitude);
  std::optional<WeatherSnapshot> stored = WeatherProvider::cached(place, environment.home);
  info.timeZoneID = stored ? stored->timeZoneID : std::nullopt;
  return info;
}

kit::widgets::Timeline<DaylightEntry>
DaylightTimeline::timeline(const Intent &configuration) const {
  Date now = environment.clock.now();
  return {tenMinuteEntries(now, live(configuration, now), configuration.casing),
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
