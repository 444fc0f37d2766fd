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

// The reminders of the files, in file order: one per UID and file (a repeating to-do is one
// reminder, read from its series rather than from a changed occurrence). Of two reminders with
// one id the first file's stays. Call with libical locked.
std::vector<FoundReminder> readReminders(const std::vector<CalendarFile> &files,
                                         const icaltimezone *local);

} // namespace kit::events
