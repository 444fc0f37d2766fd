#include "kit/events/EventStore.h"

#include "kit/events/CalendarFolder.h"
#include "kit/events/CalendarText.h"
#include "kit/events/CompletionEdit.h"
#include "kit/events/EventReading.h"
#include "kit/events/IcalTime.h"
#include "kit/events/ItemText.h"
#include "kit/events/ReminderReading.h"
#include "kit/foundation/LockedReplace.h"
#include "kit/foundation/WriteFailureObserver.h"

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
std::vector<FoundReminder> allReminders(const fs::path &folder, const Zone *zone,
                                        const ReminderQuery &query) {
  auto lock = lockLibical();
  FolderReading reading{.wanted = ComponentKind::todo};
  auto files = readCalendarFolder(folder, reading);
  return readReminders(files, zone, query);
}

// Whether the file holds the to-do a reminder of this id is read from, with nothing of it in
// later files: a to-do of its UID that does not repeat (a change of one occurrence gives way to
// a series in a later file). Of a repeating one, any file of the calendar may hold an occurrence
// that changes it; a to-do without a UID takes its id only once every UID of the calendar is
// known (ItemGroups).
bool holdsReminderOf(const CalendarFile &file, std::string_view id) {
  return std::any_of(file.items.begin(), file.items.end(), [&](const ItemComponent &item) {
    if (item.kind != ComponentKind::todo || item.first(PropertyName::recurrenceId) ||
        item.first(PropertyName::rrule) || item.first(PropertyName::rdate))
      return false;
    std::string uid = uidOf(item);
    return !uid.empty() && file.calendar + "/" + uid == id;
  });
}

// Every completion, whenever it was.
const DateRange kAllTime{};

// The reminder of this id as the store reads it at `now`, reading its calendar's files only up to
// the one it is read from; none when there is no such reminder.
std::optional<FoundReminder> reminderOf(const fs::path &folder, const Zone *zone,
                                        std::string_view id, Date now) {
  // The calendar part of an id is its folder's name, which holds no '/'.
  std::string calendar(id.substr(0, std::min(id.find('/'), id.size())));
  auto lock = lockLibical();
  FolderReading reading{.wanted = ComponentKind::todo};
  auto files = readCalendarFolder(folder, reading, &calendar, [&](const CalendarFile &file) {
    return holdsReminderOf(file, id);
  });
  auto found =
      readReminders(files, zone, {.now = now, .completions = kAllTime, .id = std::string(id)});
  if (found.empty())
    return std::nullopt;
  return std::move(found.front());
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

bool sameBesidesCompletion(const ItemComponent &a, const ItemComponent &b) {
  auto rest = [](const ItemComponent &item) {
    std::vector<Property> kept;
    for (const auto &property : item.properties())
      if (property.name != PropertyName::status && property.name != PropertyName::completed)
        kept.push_back(property);
    return kept;
  };
  return a.kind == b.kind && rest(a) == rest(b);
}

// Whether the edit changed the file as meant and nothing else: the to-dos at `changed` (or,
// with `added`, a new one right after the one there: a change of an occurrence with the series'
// UID) read as `completed`, and every other item of the file reads as it did.
bool changesOnly(std::string_view before, std::string_view after,
                 const std::vector<std::size_t> &changed, bool completed, bool added) {
  auto was = scanCalendarText(before);
  auto is = scanCalendarText(after);
  if (!was || !is || is->items.size() != was->items.size() + (added ? 1 : 0))
    return false;
  std::size_t shift = 0;
  for (std::size_t at = 0; at < is->items.size(); ++at) {
    const ItemComponent &item = is->items[at];
    bool target = item.kind == ComponentKind::todo &&
                  (added ? item.index == changed.front() + 1
                         : std::count(changed.begin(), changed.end(), item.index) > 0);
    if (target && added) {
      shift = 1;
      if (!item.first(PropertyName::recurrenceId) || uidOf(item) != uidOf(was->items[at - 1]))
        return false;
    } else if (!sameBesidesCompletion(item, was->items[at - shift])) {
      return false;
    }
    if (target && isCompleted(item) != completed)
      return false;
  }
  return true;
}

// The text with the to-dos at `changed` completed (at `now`) or reopened; none when that does not
// read back as made.
std::optional<std::string> withCompletions(std::string_view text,
                                           const std::vector<std::size_t> &changed, bool completed,
                                           Date now) {
  std::optional<std::string> edited(text);
  for (std::size_t todoIndex : changed)
    if (edited)
      edited = withCompletion(*edited, todoIndex, completed, now);
  if (!edited || !changesOnly(text, *edited, changed, completed, false))
    return std::nullopt;
  return edited;
}

// What a change of completion makes of the locked files.
struct CompletionChange {
  std::optional<std::string> text; // none to leave the file as it is
  // The text of the file of the to-do that changes alongside, when it is another.
  std::optional<std::string> alongsideText;
  // The reminder is now read from another file, or from none: look for it again.
  bool moved = false;
  // Why the change cannot be made, when it cannot.
  std::optional<std::string> refusal;
};

CompletionChange refused(std::string reason) {
  return {.text = std::nullopt,
          .alongsideText = std::nullopt,
          .moved = false,
          .refusal = std::move(reason)};
}

const std::string kStopsInside = "the file stops inside the reminder, before its END:VTODO";

// With the lock of the file the reminder was read from held (and of the file of the to-do that
// changes alongside, `alongside`, when that is another): its calendar read again (an override in
// any of its files may have changed which occurrence is current, and where it is kept), and the
// files with the reminder changed in them. Moved when the reminder is now read elsewhere or not
// at all; refused when the change cannot be written as meant.
CompletionChange changedText(const fs::path &folder, const fs::path &file,
                             const fs::path *alongside, const FoundReminder &listed, Date now,
                             const std::function<bool(bool completed)> &change, const Zone *zone) {
  auto current = reminderOf(folder, zone, listed.reminder.id, now);
  if (!current || current->file != listed.file || current->alongside != listed.alongside)
    return {.text = std::nullopt,
            .alongsideText = std::nullopt,
            .moved = true,
            .refusal = std::nullopt};
  auto text = readCalendarText(file);
  if (!text)
    return refused("the file cannot be read");
  bool completed = change(current->reminder.completed);
  bool adding = current->occurrenceToAdd || current->seriesWithoutUid;
  if (adding && !completed)
    return {.text = text,
            .alongsideText = std::nullopt,
            .moved = false,
            .refusal = std::nullopt}; // nothing to reopen
  if (current->seriesWithoutUid)
    return refused("a repeating reminder without a UID cannot have one occurrence completed");
  std::vector<std::size_t> changed{current->todoIndex};
  if (current->alongside && !alongside)
    changed.push_back(current->alongside->todoIndex);
  auto edited =
      adding ? withCompletedOccurrence(*text, current->todoIndex, *current->occurrenceToAdd, now)
             : withCompletions(*text, changed, completed, now);
  if (adding && edited && !changesOnly(*text, *edited, changed, completed, true))
    edited.reset();
  if (!edited)
    return refused(endsInsideToDo(*text, current->todoIndex)
                       ? kStopsInside
                       : "the change would not read back as made");
  CompletionChange made{
      .text = edited, .alongsideText = std::nullopt, .moved = false, .refusal = std::nullopt};
  if (alongside) {
    auto other = readCalendarText(*alongside);
    made.alongsideText =
        other ? withCompletions(*other, {current->alongside->todoIndex}, completed, now)
              : std::nullopt;
    if (!made.alongsideText)
      return refused(other && endsInsideToDo(*other, current->alongside->todoIndex)
                         ? kStopsInside
                         : "the series' file cannot be changed with its occurrence");
  }
  return made;
}

} // namespace

fs::path calendarsFolder(const fs::path &appGroup) { return appGroup / "calendars"; }

EventStore::EventStore(fs::path calendarsFolder, foundation::TimeZone timeZone,
                       foundation::Clock clock)
    : folder_(std::move(calendarsFolder)), zone_(std::move(timeZone)), clock_(std::move(clock)) {}

EventStore::EventStore(fs::path calendarsFolder, std::string_view timeZoneId,
                       foundation::Clock clock)
    : EventStore(std::move(calendarsFolder),
                 foundation::TimeZone::named(timeZoneId).value_or(foundation::TimeZone::utc()),
                 std::move(clock)) {}

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
  return readEvents(files, {.start = start, .end = end, .perEvent = perEvent}, &zone_);
}

std::vector<Reminder> EventStore::incompleteReminders(DateRange due, Undated undated) const {
  return reminderLists(due, undated, kNoTime).incomplete;
}

std::vector<Reminder> EventStore::completedReminders(DateRange completion) const {
  return reminderLists({}, Undated::excluded, completion).completed;
}

EventStore::ReminderLists EventStore::reminderLists(DateRange due, Undated undated,
                                                    DateRange completion) const {
  ReminderLists lists;
  for (auto &item :
       allReminders(folder_, &zone_, {.now = clock_.now(), .completions = completion})) {
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
  auto found = reminderOf(folder_, &zone_, id, clock_.now());
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
  // Each try locks the file the reminder is read from; another process's change may move it to
  // another file meanwhile (a reopened override elsewhere, the next occurrence without one).
  constexpr int kTries = 3;
  for (int tried = 1;; ++tried) {
    auto target = reminderOf(folder_, &zone_, id, now);
    if (!target)
      return SaveResult::notFound;
    CompletionChange made;
    auto error = foundation::replaceLocked(
        target->file,
        [&](const fs::path &file) {
          if (!target->alongside || target->alongside->file == target->file) {
            made = changedText(folder_, file, nullptr, *target, now, change, &zone_);
            return made.text;
          }
          // The file of the to-do that changes alongside is locked too, and written first.
          auto written =
              foundation::replaceLocked(target->alongside->file, [&](const fs::path &other) {
                made = changedText(folder_, file, &other, *target, now, change, &zone_);
                return made.alongsideText;
              });
          if (written && made.alongsideText)
            made = refused("the series' file cannot be written");
          return made.text;
        },
        {},
        [&] {
          if ((!made.moved || tried == kTries) && whileLocked)
            whileLocked();
        });
    if (made.moved && tried < kTries)
      continue;
    if (made.moved)
      made.refusal = "the reminder kept moving while it was being changed";
    if (made.refusal)
      foundation::announceWriteFailure({{}, target->file.string(), *made.refusal});
    return error ? SaveResult::failed : SaveResult::saved;
  }
}

} // namespace kit::events
