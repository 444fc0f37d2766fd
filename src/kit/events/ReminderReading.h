#pragma once

#include "kit/events/CalendarFolder.h"
#include "kit/events/CalendarItems.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace kit::events {

// A reminder with the place it was read from.
struct FoundReminder {
  Reminder reminder;
  bool cancelled = false;
  std::filesystem::path file;
  // Which to-do of the file it is: its position among the to-dos directly inside the file's
  // calendars, in file order.
  std::size_t todoIndex = 0;
};

// The reminders of the files, in the order their UIDs first appear: one per UID of a calendar,
// whichever of the calendar's files its to-dos are written in (a repeating to-do is one
// reminder, read from the first file that has its series, else from the first of its changed
// occurrences). Without a UID a to-do is a reminder of its own. Of two reminders with one id
// the first stays. Each file keeps no more than its account's reminders, and a to-do whose
// times cost more than its file may spend is left out. Call with libical locked.
std::vector<FoundReminder> readReminders(const std::vector<CalendarFile> &files, const Zone *local);

} // namespace kit::events
