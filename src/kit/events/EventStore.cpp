#include "kit/events/EventStore.h"

#include "kit/events/CalendarFolder.h"
#include "kit/events/CompletionEdit.h"
#include "kit/events/EventReading.h"
#include "kit/events/IcalTime.h"
#include "kit/events/ItemText.h"
#include "kit/events/ReminderReading.h"
#include "kit/foundation/LockedReplace.h"
#include "kit/foundation/Utf8.h"

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace kit::events {

namespace {

namespace fs = std::filesystem;

struct DirCloser {
  void operator()(DIR *directory) const { ::closedir(directory); }
};

bool isReadableFolder(const fs::path &folder) {
  return std::unique_ptr<DIR, DirCloser>(::opendir(folder.c_str())) != nullptr;
}

// A span that holds no moment.
const DateRange kNoTime{Date{}, Date{}};

// Every reminder of the folder, in one reading.
std::vector<FoundReminder> allReminders(const fs::path &folder, const std::string &zone) {
  auto lock = lockLibical();
  FolderReading reading{.wanted = ComponentKind::todo};
  auto files = readCalendarFolder(folder, reading);
  return readReminders(files, namedZone(zone));
}

// Whether the file holds the to-do a reminder of this id is read from, when it comes first:
// the series of its UID (an occurrence gives way to a series in a later file), or a to-do of
// the file without a UID that the id names.
bool holdsReminderOf(const CalendarFile &file, std::string_view id) {
  return std::any_of(file.items.begin(), file.items.end(), [&](const ItemComponent &item) {
    return item.kind == ComponentKind::todo &&
           (!item.first(PropertyName::recurrenceId) || uidOf(item).empty()) &&
           baseId(file, item) == id;
  });
}

// The reminder of this id as the store reads it, reading its calendar's files only up to the one
// it is read from; none when there is no such reminder.
std::optional<FoundReminder> reminderOf(const fs::path &folder, const std::string &zone,
                                        std::string_view id) {
  // The calendar part of an id is its folder's name, which holds no '/'.
  std::string calendar(id.substr(0, std::min(id.find('/'), id.size())));
  auto lock = lockLibical();
  FolderReading reading{.wanted = ComponentKind::todo};
  auto files = readCalendarFolder(folder, reading, &calendar, [&](const CalendarFile &file) {
    return holdsReminderOf(file, id);
  });
  for (auto &item : readReminders(files, namedZone(zone)))
    if (item.reminder.id == id)
      return std::move(item);
  return std::nullopt;
}

bool isOpen(const FoundReminder &item, const DateRange &due, EventStore::Undated undated) {
  const auto &r = item.reminder;
  if (r.completed || item.cancelled)
    return false;
  return r.due ? due.contains(r.due->date) : undated == EventStore::Undated::included;
}

bool isCompletedIn(const FoundReminder &item, const DateRange &completion) {
  const auto &when = item.reminder.completionDate;
  return item.reminder.completed && when && completion.contains(*when);
}

void sortByDue(std::vector<Reminder> &reminders) {
  std::sort(reminders.begin(), reminders.end(), [](const Reminder &a, const Reminder &b) {
    if (a.due.has_value() != b.due.has_value())
      return a.due.has_value();
    if (a.due && a.due->date != b.due->date)
      return a.due->date < b.due->date;
    return a.id < b.id;
  });
}

void sortByCompletion(std::vector<Reminder> &reminders) {
  std::sort(reminders.begin(), reminders.end(), [](const Reminder &a, const Reminder &b) {
    if (*a.completionDate != *b.completionDate)
      return *a.completionDate < *b.completionDate;
    return a.id < b.id;
  });
}

// The reminders one file's text holds, read as the store reads them.
std::optional<std::vector<FoundReminder>>
remindersInText(const std::string &text, const FoundReminder &from, const std::string &zone) {
  auto lock = lockLibical();
  FolderReading reading{.wanted = ComponentKind::todo};
  auto file = readCalendarFile(text,
                               {.calendar = from.reminder.calendar,
                                .fileName = foundation::escapedUtf8(from.file.filename().string()),
                                .path = from.file,
                                .items = {},
                                .zones = {},
                                .account = {}},
                               reading);
  if (!file)
    return std::nullopt;
  std::vector<CalendarFile> files;
  files.push_back(std::move(*file));
  return readReminders(files, namedZone(zone));
}

// The edited file must read back as the same reminders, the one changed only in its completion.
bool readsBackAsIntended(const std::vector<FoundReminder> &before,
                         const std::vector<FoundReminder> &after, const FoundReminder &target,
                         bool completed) {
  if (before.size() != after.size())
    return false;
  bool sawTarget = false;
  for (size_t i = 0; i < before.size(); ++i) {
    const auto &was = before[i].reminder;
    const auto &is = after[i].reminder;
    if (before[i].todoIndex != target.todoIndex) {
      if (was != is)
        return false;
      continue;
    }
    if (was.id != target.reminder.id || is.id != was.id || is.title != was.title ||
        is.due != was.due || is.completed != completed)
      return false;
    sawTarget = true;
  }
  return sawTarget;
}

// With the file's lock held: the file as it is now with the reminder changed in it; none when
// the reminder cannot be found there or the change would not read back as intended.
std::optional<std::string> changedText(const fs::path &file, const FoundReminder &listed, Date now,
                                       const std::function<bool(bool completed)> &change,
                                       const std::string &zone) {
  auto text = readCalendarText(file);
  auto before = text ? remindersInText(*text, listed, zone) : std::nullopt;
  if (!before)
    return std::nullopt;
  auto current = std::find_if(before->begin(), before->end(), [&](const FoundReminder &item) {
    return item.reminder.id == listed.reminder.id;
  });
  if (current == before->end())
    return std::nullopt;
  bool completed = change(current->reminder.completed);
  auto edited = withCompletion(*text, current->todoIndex, completed, now);
  auto after = edited ? remindersInText(*edited, listed, zone) : std::nullopt;
  if (!after || !readsBackAsIntended(*before, *after, *current, completed))
    return std::nullopt;
  return edited;
}

} // namespace

fs::path calendarsFolder(const fs::path &appGroup) { return appGroup / "calendars"; }

EventStore::EventStore(fs::path calendarsFolder, std::string timeZoneId)
    : folder_(std::move(calendarsFolder)), timeZoneId_(std::move(timeZoneId)) {}

AuthorizationStatus EventStore::authorizationStatus(EntityType) const {
  struct stat status {};
  if (::stat(folder_.c_str(), &status) != 0)
    return errno == ENOENT ? AuthorizationStatus::notDetermined : AuthorizationStatus::denied;
  if (!S_ISDIR(status.st_mode) || !isReadableFolder(folder_))
    return AuthorizationStatus::denied;
  return AuthorizationStatus::fullAccess;
}

std::vector<Event> EventStore::events(Date start, Date end, std::size_t perEvent) const {
  auto lock = lockLibical();
  FolderReading reading{.wanted = ComponentKind::event};
  auto files = readCalendarFolder(folder_, reading);
  return readEvents(files, {.start = start, .end = end, .perEvent = perEvent},
                    namedZone(timeZoneId_));
}

std::vector<Reminder> EventStore::incompleteReminders(DateRange due, Undated undated) const {
  return reminderLists(due, undated, kNoTime).incomplete;
}

std::vector<Reminder> EventStore::completedReminders(DateRange completion) const {
  return reminderLists(kNoTime, Undated::excluded, completion).completed;
}

EventStore::ReminderLists EventStore::reminderLists(DateRange due, Undated undated,
                                                    DateRange completion) const {
  ReminderLists lists;
  for (auto &item : allReminders(folder_, timeZoneId_)) {
    if (isOpen(item, due, undated))
      lists.incomplete.push_back(std::move(item.reminder));
    else if (isCompletedIn(item, completion))
      lists.completed.push_back(std::move(item.reminder));
  }
  sortByDue(lists.incomplete);
  sortByCompletion(lists.completed);
  return lists;
}

std::optional<Reminder> EventStore::reminder(std::string_view id) const {
  auto found = reminderOf(folder_, timeZoneId_, id);
  if (!found)
    return std::nullopt;
  return std::move(found->reminder);
}

EventStore::SaveResult EventStore::setCompleted(std::string_view id, bool completed,
                                                Date now) const {
  return changeCompletion(id, now, [completed](bool) { return completed; }, {});
}

EventStore::SaveResult EventStore::toggleCompleted(std::string_view id, Date now,
                                                   const std::function<void()> &whileLocked) const {
  return changeCompletion(
      id, now, [](bool completed) { return !completed; }, whileLocked);
}

EventStore::SaveResult
EventStore::changeCompletion(std::string_view id, Date now,
                             const std::function<bool(bool completed)> &change,
                             const std::function<void()> &whileLocked) const {
  auto target = reminderOf(folder_, timeZoneId_, id);
  if (!target)
    return SaveResult::notFound;
  auto error = foundation::replaceLocked(
      target->file,
      [&](const fs::path &file) { return changedText(file, *target, now, change, timeZoneId_); },
      {}, whileLocked);
  return error ? SaveResult::failed : SaveResult::saved;
}

} // namespace kit::events
