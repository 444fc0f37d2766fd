#pragma once

#include "kit/events/Ical.h"
#include "kit/events/ItemComponent.h"
#include "kit/events/WallClock.h"
#include "kit/events/Zone.h"
#include "kit/foundation/Date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kit::events {

class FileZones;

// A day or a wall-clock time as a file writes it, with the zone it is given in (RFC 5545 §3.3.4,
// §3.3.5): a time with a trailing Z is UTC, one with a TZID is that zone's wall clock, and one
// with neither is floating: it happens at that wall-clock time wherever the user is.
struct ZonedTime {
  icaltimetype time{};
  const Zone *zone = nullptr;

  bool isDate() const { return time.is_date != 0; }
  // A time of day without a zone or UTC's mark.
  bool isFloating() const { return !isDate() && !zone && !icaltime_is_utc(time); }
};

// A period as the file writes it (RFC 5545 §3.3.9): a start, and an end or a duration.
struct ZonedPeriod {
  ZonedTime start;
  std::optional<ZonedTime> end;
  icaldurationtype duration{}; // when there is no end
};

// The value of a date or date-time property (DTSTART, DUE, COMPLETED, EXDATE, RDATE, ...), with
// the zone its TZID names (RFC 5545 §3.2.19): the file's own VTIMEZONE first, else the system's
// zone of that name (see systemZone); an unknown TZID leaves the time floating. None when the
// property holds no valid time (a period included).
std::optional<ZonedTime> zonedTimeOf(const Property &property, const FileZones &zones);

// The value of an RDATE;VALUE=PERIOD, its times in the zone its TZID names. None for anything
// else, a period whose duration durationOf refuses included.
std::optional<ZonedPeriod> zonedPeriodOf(const Property &property, const FileZones &zones);

// The value of a DURATION (RFC 5545 §3.3.6) of an item that starts at `start`; none when it is
// not one, or when it passes a signed 64-bit count of seconds or ends after 9999-12-31: the item
// is read as if it had none.
std::optional<icaldurationtype> durationOf(const Property &property, const ZonedTime &start);

// Whether the property holds a day or a time libical can read.
bool holdsTime(const Property &property);

// A day or a time as written ("20260310", "20260310T090000", "20260310T090000Z", or any other form
// libical reads); none when it is neither.
std::optional<icaltimetype> timeIn(std::string_view text);

// The reading of a time on its own wall clock, whatever its zone says; a day reads as its
// midnight.
WallSeconds wallSecondsOf(const icaltimetype &time);

// `like` moved to the reading `wall` of its own clock: its date and, unless it is a day, its
// time of day; its form and zone stay. The inverse of wallSecondsOf.
icaltimetype timeAt(WallSeconds wall, icaltimetype like = icaltime_null_time());

// The zone whose wall clock a time is read on: UTC, its own zone, or `local` for days and
// floating times.
const Zone *effectiveZone(const ZonedTime &time, const Zone *local);

// The moment a time stands for; days and floating times are read in `local`. A time its zone's
// clock shows twice is the first of them, one it skips is read with the offset before the change
// (RFC 5545 §3.3.5).
foundation::Date instantOf(const ZonedTime &time, const Zone *local);

// Whether the clock the time is read on shows its reading at two moments, as in the hour a
// clock goes back: readers differ on which of them it names.
bool isShownTwice(const ZonedTime &time, const Zone *local);

// `time` moved by whole days on the calendar, then read as a moment.
foundation::Date instantAfterDays(const ZonedTime &time, int days, const Zone *local);

// A day or a wall time in the basic form files write it in: "20240325", "20240325T080000" (no
// zone or UTC mark).
std::string basicForm(const icaltimetype &time);

// A text naming the time that stays the same from read to read: "20240325" for a day,
// "20240325T080000Z" (in UTC) for a time in a zone, the wall time for a floating time.
std::string timeKey(const ZonedTime &time);

} // namespace kit::events
