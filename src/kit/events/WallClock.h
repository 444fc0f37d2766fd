#pragma once

#include "kit/foundation/CivilDate.h"

#include <cstdint>

namespace kit::events {

// A reading of a wall clock without its zone, as seconds since 1970-01-01 00:00:00 on that same
// clock: proleptic Gregorian days of 86400 seconds each. Recurrence rules step the wall clock,
// so a daily or hourly series keeps its time of day across a clock change.
using WallSeconds = std::int64_t;

// The calendar the wall clock counts its days in.
using foundation::ceilDiv;
using foundation::CivilDate;
using foundation::civilDateOf;
using foundation::dayNumberOf;
using foundation::daysInMonth;
using foundation::daysInYear;
using foundation::floorDiv;
using foundation::kSecondsPerDay;
using foundation::weekdayOf;

} // namespace kit::events
