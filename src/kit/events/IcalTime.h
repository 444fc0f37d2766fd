#pragma once

#include "kit/events/Ical.h"
#include "kit/events/WallClock.h"
#include "kit/foundation/Date.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kit::events {

// A day or a wall-clock time as a file writes it, with the zone it is given in. A time with
// neither a zone nor UTC is floating: it happens at that wall-clock time wherever the user is.
struct ZonedTime {
  icaltimetype time{};
  const icaltimezone *zone = nullptr;

  bool isDate() const { return time.is_date != 0; }
};

// The zone named by `id`, or UTC when there is no such zone.
const icaltimezone *namedZone(const std::string &id);

// The value of a date or date-time property (DTSTART, DUE, COMPLETED, EXDATE, RDATE, ...), with
// the zone its TZID names: the file's own VTIMEZONE first, else the system's zone of that name;
// an unknown TZID leaves the time floating. None when the property holds no valid time.
std::optional<ZonedTime> zonedTimeOf(icalproperty *property);

// The reading of a time on its own wall clock, whatever its zone says; a day reads as its
// midnight.
WallSeconds wallSecondsOf(const icaltimetype &time);

// How far the zone's wall clock is ahead of UTC at that instant, in seconds.
std::int64_t offsetAt(std::int64_t unixSeconds, const icaltimezone *zone);

// The zone whose wall clock a time is read on: UTC, its own zone, or `local` for days and
// floating times.
const icaltimezone *effectiveZone(const ZonedTime &time, const icaltimezone *local);

// The moment a time stands for; days and floating times are read in `local`.
foundation::Date instantOf(const ZonedTime &time, const icaltimezone *local);

// The same moment as `date`, written like `like` (a day, or a wall time in its zone).
ZonedTime zonedLike(foundation::Date date, const ZonedTime &like, const icaltimezone *local);

// `time` moved by whole days on the calendar, then read as a moment.
foundation::Date instantAfterDays(const ZonedTime &time, int days, const icaltimezone *local);

// A text naming the time that stays the same from read to read: "20240325" for a day,
// "20240325T080000Z" (in UTC) for a time in a zone, the wall time for a floating time.
std::string timeKey(const ZonedTime &time);

} // namespace kit::events
