#pragma once

#include "Shared/Data/Environment.h"
#include "Shared/Data/Models/CalendarSnapshot.h"
#include "Shared/Data/Models/RemindersSnapshot.h"
#include "kit/events/CalendarItems.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// The extension's only door to the user's calendars and reminders: today's reminders and timed
// events read into snapshots, the last reading of each kept in the shared suite for when the
// calendars cannot be read, and a reminder completed or reopened. Nothing asks for access and
// nothing stays in memory: every call reads the calendars afresh, in the current calendar and
// time zone.
namespace zavel::EventSync {

inline constexpr std::string_view remindersKey = "zavel.snapshot.reminders.v1";
inline constexpr std::string_view calendarKey = "zavel.snapshot.calendar.v1";

// At most this many of the day's timed events are kept.
inline constexpr size_t maximumEvents = 6;

// Where the calendars and the suite live (the app group's calendars folder and shared suite) and
// what "now" is; tests replace them.
using Environment = zavel::Environment;

// Today's reminders: the last two completed today, then every open one due by the end of today
// (overdue ones included; undated ones are due at no time, so not by today) in due order, with
// the next one due. Does not check access.
RemindersSnapshot readReminders(const Environment &environment = {});

// Today's timed events, at most six by start, and how far the day has run. Does not check
// access.
CalendarSnapshot readCalendar(const Environment &environment = {});

// With full access to reminders, a fresh reading, stored; otherwise the stored snapshot.
std::optional<RemindersSnapshot> loadReminders(const Environment &environment = {});

// With full access to events, a fresh reading, stored; otherwise the stored snapshot.
std::optional<CalendarSnapshot> loadCalendar(const Environment &environment = {});

// Completes an open reminder or reopens a completed one, then refreshes the stored reminders
// (when they may be read), both under the lock of the reminder's file: toggles from several
// processes at once each count. An id that names no reminder changes nothing; a failed save is
// dropped.
void toggleReminder(std::string_view id, const Environment &environment = {});

// The stored snapshots; none when absent or unreadable.
std::optional<RemindersSnapshot>
storedReminders(const std::filesystem::path &home = kit::foundation::zavelHome());
std::optional<CalendarSnapshot>
storedCalendar(const std::filesystem::path &home = kit::foundation::zavelHome());

// The reminders snapshot at `now` of the open reminders and those completed today, both in the
// store's order: open ones sorted by due moment (undated ones last, equal ones kept in order),
// the last two completed ones first. Times are in the current zone.
RemindersSnapshot
remindersSnapshot(std::vector<kit::events::Reminder> open,
                  const std::vector<kit::events::Reminder> &done, kit::foundation::Date now,
                  const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::EventSync
