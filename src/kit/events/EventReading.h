#pragma once

#include "kit/events/CalendarFolder.h"
#include "kit/events/CalendarItems.h"

#include <vector>

namespace kit::events {

// The occurrences of the files' events that overlap [start, end): recurrences expanded, moved
// occurrences taken from their overrides, cancelled ones left out. Ordered by start, then id;
// of two items with one id the first file's stays. Call with libical locked.
std::vector<Event> readEvents(const std::vector<CalendarFile> &files, Date start, Date end,
                              const icaltimezone *local);

} // namespace kit::events
