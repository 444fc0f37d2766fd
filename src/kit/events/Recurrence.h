#pragma once

#include "kit/events/IcalTime.h"

#include <vector>

namespace kit::events {

// The starts of an event's occurrences that may touch [windowStart, windowEnd): DTSTART, every
// RRULE and RDATE start, less the EXDATE ones, that begin before the window's end and no earlier
// than `longestSeconds` before its start. In time order, each moment once. Each RRULE expands
// on DTSTART's wall clock within kMaxRuleSteps; one that needs more adds nothing to this read.
std::vector<ZonedTime> occurrenceStarts(icalcomponent *event, const ZonedTime &dtstart,
                                        foundation::Date windowStart, foundation::Date windowEnd,
                                        double longestSeconds, const icaltimezone *local);

} // namespace kit::events
