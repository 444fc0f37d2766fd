#pragma once

#include "kit/events/CalendarItems.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::events {

// The calendars folder of an app group: `<group>/calendars`.
std::filesystem::path calendarsFolder(const std::filesystem::path &appGroup);

// The user's calendars and reminders, read from a folder of iCalendar files: one subfolder per
// calendar, one .ics file per event (VEVENT) or reminder (VTODO), as calendar sync tools write
// them. Nothing is cached: every call reads the folder afresh, so a store is cheap to make and
// calls from several threads at once are safe. A file that cannot be read as a calendar with an
// event or a to-do, or whose event has no start, is skipped; the rest still read.
class EventStore {
public:
  // Days, and times written without a zone, are read in the zone `timeZoneId` names (an IANA id
  // such as "Europe/Oslo"; an unknown one means UTC).
  EventStore(std::filesystem::path calendarsFolder, std::string timeZoneId);

  // The same for both entity types, as both live in the one folder.
  AuthorizationStatus authorizationStatus(EntityType type) const;

  // The occurrences overlapping [start, end): those that begin in it, and those that begin
  // before it and end after its start. Recurring events are expanded (RRULE, RDATE, EXDATE;
  // an override with a RECURRENCE-ID replaces its occurrence, wherever it moves it); cancelled
  // events and occurrences are left out. Ordered by start, then by id.
  std::vector<Event> events(Date start, Date end) const;

  // Reminders not completed (nor cancelled) whose due moment lies in `due`, together with the
  // undated ones when asked. Ordered by due moment, undated last, then by id.
  enum class Undated { excluded, included };
  std::vector<Reminder> incompleteReminders(DateRange due, Undated undated) const;

  // Completed reminders whose completion moment lies in `completion`. Ordered by completion
  // moment, then by id.
  std::vector<Reminder> completedReminders(DateRange completion) const;

  // The reminder with this id, whether completed or not; none for anything else, events included.
  std::optional<Reminder> reminder(std::string_view id) const;

  // Completes (at `now`) or reopens the reminder with this id by rewriting its file at once; see
  // `withCompletion` for what changes in the file. The id is only compared with the ids of the
  // reminders read, never used to find a file.
  enum class SaveResult { saved, notFound, failed };
  SaveResult setCompleted(std::string_view id, bool completed, Date now) const;

private:
  std::filesystem::path folder_;
  std::string timeZoneId_;
};

} // namespace kit::events
