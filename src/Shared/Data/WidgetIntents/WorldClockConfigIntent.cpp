#include "Shared/Data/WidgetIntents/WorldClockConfigIntent.h"

namespace zavel {

namespace {

using kit::foundation::TimeZone;

TimeZone zoneOf(const std::optional<TimeZoneEntity> &city, std::string_view unsetIdentifier,
                const TimeZone &current) {
  if (city)
    return city->timeZone(current);
  if (unsetIdentifier.empty())
    return current;
  return TimeZone::named(unsetIdentifier).value_or(current);
}

} // namespace

std::array<TimeZone, 3> WorldClockConfigIntent::zones() const {
  const TimeZone current = TimeZone::current();
  return {zoneOf(city1, "", current), zoneOf(city2, "America/New_York", current),
          zoneOf(city3, "Asia/Tokyo", current)};
}

} // namespace zavel
