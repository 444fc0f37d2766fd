#pragma once

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Date.h"

#include <cstdint>

namespace zavel {

// Where a date lies in its year.
struct YearInfo {
  int64_t year = 0;
  int64_t dayOfYear = 1; // from 1
  int64_t daysInYear = 365;

  // The year's progress as the year widget reads it: the day's ordinal out of the year's days.
  int64_t day() const { return dayOfYear; }
  int64_t days() const { return daysInYear; }

  // The date's year in `calendar`; a day the calendar cannot place is day 1 of a 365-day year.
  static YearInfo
  current(kit::foundation::Date date,
          const kit::foundation::Calendar &calendar = kit::foundation::Calendar::current());

  bool operator==(const YearInfo &) const = default;
};

} // namespace zavel
