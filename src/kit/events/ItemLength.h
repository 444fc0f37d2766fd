#pragma once

#include "kit/events/IcalTime.h"

namespace kit::events {

// How long an item lasts: whole days on the calendar, which keep the wall-clock time across a
// change of the clock, then exact seconds (RFC 5545 §3.3.6: days and weeks are nominal, the
// rest exact).
struct Length {
  bool allDay = false;
  int days = 0;
  double seconds = 0;
  // Its seconds too counted on the wall clock: a floating due time is as far after a floating
  // start on every day, whatever the clock does.
  bool onWallClock = false;

  // A day of the calendar, or a span of the wall clock, is at most a clock change longer.
  double longestSeconds() const {
    return days > 0 || onWallClock ? static_cast<double>((days + 1) * kSecondsPerDay) + seconds
                                   : seconds;
  }

  // The moment it ends when it starts at `start`, the moment `begins`.
  foundation::Date endAfter(const ZonedTime &start, foundation::Date begins,
                            const Zone *local) const {
    if (onWallClock) {
      ZonedTime end = start;
      end.time = timeAt(wallSecondsOf(start.time) + days * kSecondsPerDay +
                            static_cast<WallSeconds>(seconds),
                        start.time);
      return instantOf(end, local);
    }
    foundation::Date afterDays = days > 0 ? instantAfterDays(start, days, local) : begins;
    return afterDays.addingTimeInterval(seconds);
  }
};

// A DURATION's length: an all-day item lasts whole days, at least one; a negative duration
// gives no time (an all-day item its day).
Length nominalLength(const icaldurationtype &duration, bool allDay);

} // namespace kit::events
