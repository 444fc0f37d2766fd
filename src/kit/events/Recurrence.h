#pragma once

#include "kit/events/IcalTime.h"
#include "kit/events/ReadingBudget.h"
#include "kit/events/ZoneDefinitions.h"

#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace kit::events {

// Where one occurrence of an event starts; an RDATE period also says where it ends.
struct OccurrenceStart {
  ZonedTime start;
  std::optional<ZonedPeriod> period;
};

// The span of time whose occurrences a reading looks for, and how many of an event it needs.
struct OccurrenceWindow {
  foundation::Date start;
  foundation::Date end;
  // The longest an occurrence of the event lasts: one that starts that long before the window
  // may still reach into it.
  double longestSeconds = 0;
  const Zone *local = nullptr;
  // Expanding a rule may stop once it has given `enough` starts that `counts` takes (an
  // EXDATE'd start never counts): the reading keeps no more of the event than that.
  std::size_t enough = std::numeric_limits<std::size_t>::max();
  std::function<bool(const ZonedTime &start, foundation::Date moment)> counts;
};

// The starts of an event's occurrences that may touch the window: the recurrence set of RFC 5545
// §3.8.5 (DTSTART, every RRULE and RDATE start, less the EXDATE ones, matched by moment) that
// begin before the window's end and no earlier than
// `longestSeconds` before its start (an RDATE period by its own end). In time order, each
// moment once. Each RRULE expands on DTSTART's wall clock within kMaxRuleSteps and what is left
// to the file's account; one that needs more adds nothing to this read.
std::vector<OccurrenceStart> occurrenceStarts(const ItemComponent &event, const FileZones &zones,
                                              const ZonedTime &dtstart,
                                              const OccurrenceWindow &window, FileAccount &account);

// The start of the occurrence an override names by its RECURRENCE-ID (RFC 5545 §3.8.4.4), in
// the form of the series' DTSTART, as other programs match them: a time written without a zone
// names that wall time in the series' zone (in UTC for a series in UTC), and a day the first
// occurrence that starts on that day on the series' clock. Any other is the time as written, and
// so is a day no occurrence starts on. Looking for that day's occurrence draws on `account`.
ZonedTime namedOccurrence(const ZonedTime &recurrenceId, const ItemComponent &series,
                          const FileZones &zones, const ZonedTime &dtstart, const Zone *local,
                          FileAccount &account);

} // namespace kit::events
