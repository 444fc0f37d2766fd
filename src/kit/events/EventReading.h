#pragma once

#include "kit/events/CalendarFolder.h"
#include "kit/events/CalendarItems.h"
#include "kit/events/ReadingBudget.h"

#include <cstddef>
#include <limits>
#include <vector>

namespace kit::events {

// What a reading of events asks for: the occurrences overlapping [start, end), and of each
// event (a series with its changed occurrences) at most its first `perEvent` of them.
struct EventQuery {
  Date start;
  Date end;
  std::size_t perEvent = std::numeric_limits<std::size_t>::max();
};

// The occurrences of the files' events the query asks for: recurrences expanded, moved
// occurrences taken from their overrides, cancelled ones left out. An event is its UID within
// its calendar, whichever of the calendar's files its series and its overrides are written in
// (the series read from the first file that has it); one without a UID is an event of its own.
// Each event's work is charged to the account of the file it is read from; an event that needs
// more than that has gives nothing. Ordered by start, then id; of two items with one id the
// first file's stays. Call with libical locked.
std::vector<Event> readEvents(const std::vector<CalendarFile> &files, const EventQuery &query,
                              const Zone *local);

} // namespace kit::events
