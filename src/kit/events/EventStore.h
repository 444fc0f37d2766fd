#pragma once

#include "kit/events/CalendarItems.h"
#include "kit/events/Zone.h"
#include "kit/foundation/Clock.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <limits>
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
// event or a to-do, that nests components too deep or that defines a zone listing too many
// changes, is skipped; the rest still read. Each call is one reading: every item draws on its own
// share of it, then on its file's, then on the reading's budget (FileAccount), so what passes a
// bound is left out of that reading and belongs to the item that needed more; of files too large
// to read together, the largest are left out.
class EventStore {
public:
  // Days, and times written without a zone, are read in `timeZone` (the machine's). `clock` says
  // which day is today where a reading asks for no day of its own.
  EventStore(std::filesystem::path calendarsFolder, foundation::TimeZone timeZone,
             foundation::Clock clock = {});
  // The same in the zone of the database `timeZoneId` names ("Europe/Oslo"; an unknown one means
  // UTC).
  EventStore(std::filesystem::path calendarsFolder, std::string_view timeZoneId,
             foundation::Clock clock = {});

  // The same for both entity types, as both live in the one folder.
  AuthorizationStatus authorizationStatus(EntityType type) const;

  // The occurrences overlapping [start, end): those that begin in it, and those that begin
  // before it and end after its start. Recurring events are expanded (RRULE, RDATE, EXDATE;
  // an override with a RECURRENCE-ID replaces its occurrence, wherever it moves it and
  // whichever file of the calendar it is written in); cancelled events and occurrences are
  // left out. Of each event, at most its first `perEvent` occurrences there. Ordered by start,
  // then by id.
  std::vector<Event> events(Date start, Date end,
                            std::size_t perEvent = std::numeric_limits<std::size_t>::max()) const;

  // Reminders not completed (nor cancelled) whose due moment lies in `due`, together with the
  // undated ones when asked; a repeating one stands for its occurrence current at the clock's
  // now (ToDoSeries::current). Ordered by due moment, undated last, then by id.
  enum class Undated { excluded, included };
  std::vector<Reminder> incompleteReminders(DateRange due, Undated undated) const;

  // Completed reminders whose completion moment lies in `completion`, the occurrences of
  // repeating ones completed then among them. Ordered by completion moment, then by id.
  std::vector<Reminder> completedReminders(DateRange completion) const;

  // Both of the above from one reading of the folder.
  struct ReminderLists {
    std::vector<Reminder> incomplete;
    std::vector<Reminder> completed;
  };
  ReminderLists reminderLists(DateRange due, Undated undated, DateRange completion) const;

  // The reminder with this id, whether completed or not; none for anything else, events included.
  std::optional<Reminder> reminder(std::string_view id) const;

  // Completes (at `now`) or reopens the reminder with this id by rewriting its file at once; see
  // `withCompletion` for what changes in the file. A repeating one's current occurrence (at `now`)
  // completes alone: its override, in whichever file of the calendar it is kept, or, when it has
  // none, a new one added after the series (`withCompletedOccurrence`); with the series as a whole
  // when it is the last. A series without a UID cannot complete one occurrence: that is a failure,
  // told to write failure observers. The id is only compared with the ids of the reminders read,
  // never used to find a file. The file is read, changed and replaced under the exclusive lock
  // `.<file name>.lock` beside it (made when missing, never removed; hidden and not named .ics, so
  // no reader takes it for an item), the calendar read again under it: changes from several
  // processes each start from the one before. Failed when the lock is not had within a few
  // seconds.
  enum class SaveResult { saved, notFound, failed };
  SaveResult setCompleted(std::string_view id, bool completed, Date now) const;

  // Completes an open reminder or reopens a completed one: its state is read, flipped and
  // written under the file's lock, so N toggles at once make exactly N flips. `whileLocked`,
  // when given, runs once the reminder is found and the change is saved or has failed, still
  // under the lock when it was had.
  SaveResult toggleCompleted(std::string_view id, Date now,
                             const std::function<void()> &whileLocked = {}) const;

private:
  SaveResult changeCompletion(std::string_view id, Date now,
                              const std::function<bool(bool completed)> &change,
                              const std::function<void()> &whileLocked) const;

  std::filesystem::path folder_;
  SystemZone zone_;
  foundation::Clock clock_;
};

} // namespace kit::events
