#pragma once

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Date.h"

namespace zavel::EventSync {

// Today as the half-open span from the start of the day to the start of the next, so a day
// with a clock change is 23 or 25 hours long.
struct DayWindow {
  kit::foundation::Date start;
  kit::foundation::Date end;

  static DayWindow of(kit::foundation::Date now, const kit::foundation::Calendar &calendar) {
    auto start = calendar.startOfDay(now);
    return {start, calendar.addingDays(1, start)};
  }
};

} // namespace zavel::EventSync
