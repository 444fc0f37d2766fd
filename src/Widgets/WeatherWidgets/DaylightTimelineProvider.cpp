#include "Widgets/WeatherWidgets/DaylightTimelineProvider.h"

#include "Shared/Data/SkyMath.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"
#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/WeatherWidgets/ConfiguredPlace.h"

#include <optional>

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;
using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

namespace {

constexpr int reloadMinutes = 30;

} // namespace

DaylightInfo DaylightTimelineProvider::info(const Intent &configuration, Date now) const {
  WeatherProvider::Place place = configuredPlace(configuration, environment);
  DaylightInfo info = SkyMath::daylight(place.name, now, place.latitude, place.longitude);
  std::optional<WeatherSnapshot> stored = WeatherProvider::cached(place, environment.home);
  info.timeZoneID = stored ? stored->timeZoneID : std::nullopt;
  return info;
}

DaylightEntry DaylightTimelineProvider::placeholder(const TimelineContext &) const {
  return {environment.clock.now(), DaylightInfo::sample(), CasingOption::followApp};
}

DaylightEntry DaylightTimelineProvider::snapshot(const Intent &configuration,
                                                 const TimelineContext &context) const {
  Date now = environment.clock.now();
  return {now, context.isPreview ? DaylightInfo::sample() : info(configuration, now),
          configuration.casing};
}

Timeline<DaylightEntry> DaylightTimelineProvider::timeline(const Intent &configuration,
                                                           const TimelineContext &) const {
  Date now = environment.clock.now();
  return {tenMinuteEntries(now, info(configuration, now), configuration.casing),
          ReloadPolicy::after(minutesAfter(now, reloadMinutes))};
}

} // namespace zavel
