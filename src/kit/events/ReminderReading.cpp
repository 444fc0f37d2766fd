#include "kit/events/ReminderReading.h"

#include "kit/events/IcalTime.h"
#include "kit/events/ItemKeys.h"
#include "kit/events/ItemLength.h"
#include "kit/events/ItemText.h"

#include <set>

namespace kit::events {

namespace {

std::optional<ZonedTime> timeOf(const CalendarFile &file, const ItemComponent &todo,
                                PropertyName name) {
  const Property *property = todo.first(name);
  return property ? zonedTimeOf(*property, file.zones) : std::nullopt;
}

// STATUS decides when the file gives one (RFC 5545 §3.8.1.11); otherwise a completion time
// (COMPLETED, §3.8.2.1) marks a finished to-do.
bool isCompleted(const CalendarFile &file, const ItemComponent &todo) {
  if (auto status = statusOf(todo))
    return *status == "COMPLETED";
  return timeOf(file, todo, PropertyName::completed).has_value();
}

// DUE (RFC 5545 §3.8.2.3), a day due at its local midnight; without one, a DTSTART with a
// DURATION is due that long after it starts (§3.8.2.5), days and weeks counted on the calendar.
std::optional<DueDate> dueOf(const CalendarFile &file, const ItemComponent &todo,
                             const Zone *local) {
  if (auto due = timeOf(file, todo, PropertyName::due))
    return DueDate{.date = instantOf(*due, local), .hasTime = !due->isDate()};
  auto start = timeOf(file, todo, PropertyName::dtstart);
  const Property *durationProperty = todo.first(PropertyName::duration);
  auto duration = durationProperty ? durationOf(*durationProperty) : std::nullopt;
  if (!start || !duration || duration->is_neg)
    return std::nullopt;
  Length length = nominalLength(*duration, start->isDate());
  return DueDate{.date = length.endAfter(*start, instantOf(*start, local), local),
                 .hasTime = !start->isDate()};
}

FoundReminder reminderFrom(const CalendarFile &file, const ItemComponent &todo, const Zone *local) {
  FoundReminder found{.reminder = {.id = baseId(file, todo),
                                   .calendar = file.calendar,
                                   .title = itemText(todo, PropertyName::summary),
                                   .due = dueOf(file, todo, local),
                                   .completed = isCompleted(file, todo),
                                   .completionDate = std::nullopt},
                      .cancelled = isCancelled(todo),
                      .file = file.path,
                      .todoIndex = todo.index};
  if (auto completion = timeOf(file, todo, PropertyName::completed);
      completion && found.reminder.completed)
    found.reminder.completionDate = instantOf(*completion, local);
  return found;
}

struct Todo {
  const CalendarFile *file;
  const ItemComponent *item;
  bool isOccurrence;
};

// Per UID of a calendar, in order of first appearance: the series, else its first changed
// occurrence. A to-do without a UID is one of its own.
std::vector<Todo> representatives(const std::vector<CalendarFile> &files) {
  std::vector<Todo> chosen;
  ItemKeys keys;
  for (const auto &file : files)
    for (const auto &item : file.items) {
      if (item.kind != ComponentKind::todo)
        continue;
      std::string uid = uidOf(item);
      Todo todo{&file, &item, !uid.empty() && item.first(PropertyName::recurrenceId) != nullptr};
      auto [at, added] =
          uid.empty() ? std::pair{chosen.size(), true} : keys.find(file, uid, chosen.size());
      if (added)
        chosen.push_back(todo);
      else if (chosen[at].isOccurrence && !todo.isOccurrence)
        chosen[at] = todo;
    }
  return chosen;
}

} // namespace

std::vector<FoundReminder> readReminders(const std::vector<CalendarFile> &files,
                                         const Zone *local) {
  std::vector<FoundReminder> reminders;
  std::set<std::string> ids;
  for (const auto &todo : representatives(files)) {
    std::optional<FoundReminder> found;
    try {
      found = reminderFrom(*todo.file, *todo.item, local);
    } catch (const ReadingExhausted &) {
      continue;
    }
    if (ids.count(found->reminder.id) || !todo.file->account->take(ReadingBudget::reminders, 1))
      continue;
    ids.insert(found->reminder.id);
    reminders.push_back(std::move(*found));
  }
  return reminders;
}

} // namespace kit::events
