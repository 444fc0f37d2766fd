#include "kit/events/EventStore.h"

#include "kit/events/AtomicFile.h"
#include "kit/events/CalendarFolder.h"
#include "kit/events/CompletionEdit.h"
#include "kit/events/EventReading.h"
#include "kit/events/IcalTime.h"
#include "kit/events/ReminderReading.h"
#include "kit/foundation/FileLock.h"

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

std::vector<FoundReminder> allReminders(const fs::path &folder, const std::string &zone) {
  auto lock = lockLibical();
  return readReminders(readCalendarFolder(folder), namedZone(zone));
}

std::vector<Reminder> plain(std::vector<FoundReminder> found) {
  std::vector<Reminder> reminders;
  for (auto &item : found)
    reminders.push_back(std::move(item.reminder));
  return reminders;
}

// The reminders one file's text holds, read as the store reads them.
std::optional<std::vector<FoundReminder>>
remindersInText(const std::string &text, const FoundReminder &from, const std::string &zone) {
  auto lock = lockLibical();
  std::vector<CalendarFile> files;
  files.push_back({.calendar = from.reminder.calendar,
                   .fileName = from.file.filename().string(),
                   .path = from.file,
                   .root = parseCalendarText(text)});
  if (!files.front().root)
    return std::nullopt;
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

// With the file's lock held: the reminder as the file has it now, changed and written back.
EventStore::SaveResult saveChange(const FoundReminder &listed, Date now,
                                  const std::function<bool(bool completed)> &change,
                                  const std::string &zone) {
  auto text = readCalendarText(listed.file);
  auto before = text ? remindersInText(*text, listed, zone) : std::nullopt;
  if (!before)
    return EventStore::SaveResult::failed;
  auto current = std::find_if(before->begin(), before->end(), [&](const FoundReminder &item) {
    return item.reminder.id == listed.reminder.id;
  });
  if (current == before->end())
    return EventStore::SaveResult::failed;
  bool completed = change(current->reminder.completed);
  auto edited = withCompletion(*text, current->todoIndex, completed, now);
  auto after = edited ? remindersInText(*edited, listed, zone) : std::nullopt;
  if (!after || !readsBackAsIntended(*before, *after, *current, completed) ||
      !replaceFileAtomically(listed.file, *edited))
    return EventStore::SaveResult::failed;
  return EventStore::SaveResult::saved;
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

std::vector<Event> EventStore::events(Date start, Date end) const {
  auto lock = lockLibical();
  return readEvents(readCalendarFolder(folder_), start, end, namedZone(timeZoneId_));
}

std::vector<Reminder> EventStore::incompleteReminders(DateRange due, Undated undated) const {
  auto found = allReminders(folder_, timeZoneId_);
  std::erase_if(found, [&](const FoundReminder &item) {
    const auto &r = item.reminder;
    if (r.completed || item.cancelled)
      return true;
    return r.due ? !due.contains(r.due->date) : undated == Undated::excluded;
  });
  auto reminders = plain(std::move(found));
  std::sort(reminders.begin(), reminders.end(), [](const Reminder &a, const Reminder &b) {
    if (a.due.has_value() != b.due.has_value())
      return a.due.has_value();
    if (a.due && a.due->date != b.due->date)
      return a.due->date < b.due->date;
    return a.id < b.id;
  });
  return reminders;
}

std::vector<Reminder> EventStore::completedReminders(DateRange completion) const {
  auto found = allReminders(folder_, timeZoneId_);
  std::erase_if(found, [&](const FoundReminder &item) {
    const auto &when = item.reminder.completionDate;
    return !item.reminder.completed || !when || !completion.contains(*when);
  });
  auto reminders = plain(std::move(found));
  std::sort(reminders.begin(), reminders.end(), [](const Reminder &a, const Reminder &b) {
    if (*a.completionDate != *b.completionDate)
      return *a.completionDate < *b.completionDate;
    return a.id < b.id;
  });
  return reminders;
}

std::optional<Reminder> EventStore::reminder(std::string_view id) const {
  for (auto &item : allReminders(folder_, timeZoneId_))
    if (item.reminder.id == id)
      return std::move(item.reminder);
  return std::nullopt;
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
  auto found = allReminders(folder_, timeZoneId_);
  auto target = std::find_if(found.begin(), found.end(),
                             [&](const FoundReminder &item) { return item.reminder.id == id; });
  if (target == found.end())
    return SaveResult::notFound;
  // A link is written through to the file it names, so the lock lies beside that file, where
  // every writer of it finds it.
  auto written = replacedFile(target->file);
  auto lock = written ? foundation::FileLock::exclusive(foundation::lockFileBeside(*written))
                      : std::nullopt;
  auto result = lock ? saveChange(*target, now, change, timeZoneId_) : SaveResult::failed;
  if (whileLocked)
    whileLocked();
  return result;
}

} // namespace kit::events
