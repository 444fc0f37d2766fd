#include "Widgets/ClockWidgets/DualClockZones.h"

#include "Shared/Views/ClockViews/ZoneCityName.h"

namespace zavel {

using kit::foundation::TimeZone;

DualClockZones dualClockZones(const DualClockConfigIntent &configuration) {
  const TimeZone current = TimeZone::current();
  TimeZone home = configuration.home ? configuration.home->timeZone(current) : current;
  TimeZone away = configuration.away ? configuration.away->timeZone(current)
                                     : TimeZone::named("Australia/Sydney").value_or(current);
  return {home, away, zoneCityName(home), zoneCityName(away)};
}

} // namespace zavel
