#pragma once

#include "kit/events/CalendarFolder.h"
#include "kit/events/CalendarItems.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kit::events {

// What a reading of reminders asks for.
struct ReminderQuery {
  // The moment a repeating to-do's current occurrence is found at (ToDoSeries::current).
  Date now;
  // The occurrences of repeating to-dos that were completed in this span are reminders of their
  // own; no reminder completed outside it is kept.
  DateRange completions = {};
  // The one reminder wanted, when given: it is kept whatever its state, and no other.
  std::optional<std::string> id = std::nullopt;
};

// A to-do of a file: its position among the to-dos directly inside the file's calendars.
struct ToDoPlace {
  std::filesystem::path file;
  std::size_t todoIndex = 0;
  bool operator==(const ToDoPlace &) const = default;
};

// A reminder with the place it was read from, and what completing or reopening it changes.
struct FoundReminder {
  Reminder reminder;
  bool cancelled = false;
  // The file and the to-do in it that a toggle changes: the reminder's own, the override of the
  // occurrence it stands for, or the series that completes as a whole with its last occurrence.
  // Which to-do it is: its position among the to-dos directly inside the file's calendars.
  std::filesystem::path file;
  std::size_t todoIndex = 0;
  // The to-do that completes and reopens with it: the series, of the override of its last
  // occurrence; the override of its last occurrence, of a series completed as a whole.
  std::optional<ToDoPlace> alongside = std::nullopt;
  // For a repeating to-do whose current occurrence no override names yet: completing it adds one
  // after the series (the `todoIndex`-th), naming the occurrence and giving its times with these
  // lines (ToDoSeries::linesNaming). A series without a UID gives none: no override can name
  // one of its occurrences.
  std::optional<std::vector<std::string>> occurrenceToAdd;
  bool seriesWithoutUid = false;
};

// The reminders of the files, in the order their UIDs first appear: one per UID of a calendar,
// whichever of the calendar's files its to-dos are written in. A repeating to-do is one
// reminder that stands for its current occurrence (ToDoSeries::current), with the series' id,
// or the series itself once completed as a whole; each of its occurrences completed within
// `query.completions` is a completed reminder of its own, "<series id>#<its RECURRENCE-ID>"
// (timeKey), but for its last one when the series is completed as a whole with it, which the
// series stands for. A to-do changed in one occurrence only, without its series, is read from the
// first such change. Without a UID a to-do is a reminder of its own. Of two reminders with one id
// the first stays. Reminders no list shows (cancelled, or completed outside `query.completions`)
// are not kept; of the others, each file keeps no more than its account's open reminders and, apart
// from them, its completed ones. A to-do whose times cost more than its file may spend is left
// out. Call with libical locked.
std::vector<FoundReminder> readReminders(const std::vector<CalendarFile> &files, const Zone *local,
                                         const ReminderQuery &query);

} // namespace kit::events
