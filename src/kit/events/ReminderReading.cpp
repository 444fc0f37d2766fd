#include "kit/events/ReminderReading.h"

#include "kit/events/IcalTime.h"
#include "kit/events/ItemKeys.h"
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

FoundReminder reminderFrom(const CalendarFile &file, const ItemComponent &todo,
                           const std::string &uid, const icaltimezone *local) {
  FoundReminder found{.reminder = {.id = baseId(file, uid),
                                   .calendar = file.calendar,
                                   .title = itemText(todo, PropertyName::summary),
                                   .due = std::nullopt,
                                   .completed = isCompleted(file, todo),
                                   .completionDate = std::nullopt},
                      .cancelled = isCancelled(todo),
                      .file = file.path,
                      .todoIndex = todo.index};
  // DUE (RFC 5545 §3.8.2.3): a day is due at its local midnight.
  if (auto due = timeOf(file, todo, PropertyName::due))
    found.reminder.due = DueDate{.date = instantOf(*due, local), .hasTime = !due->isDate()};
  if (auto completion = timeOf(file, todo, PropertyName::completed);
      completion && found.reminder.completed)
    found.reminder.completionDate = instantOf(*completion, local);
  return found;
}

struct Todo {
  const CalendarFile *file;
  const ItemComponent *item;
  std::string uid;
  bool isOccurrence;
};

// Per UID of a calendar, in order of first appearance: the series, else its first changed
// occurrence.
std::vector<Todo> representatives(const std::vector<CalendarFile> &files) {
  std::vector<Todo> chosen;
  ItemKeys keys;
  for (const auto &file : files)
    for (const auto &item : file.items) {
      if (item.kind != ComponentKind::todo)
        continue;
      Todo todo{&file, &item, uidOf(item), item.first(PropertyName::recurrenceId) != nullptr};
      auto [at, added] = keys.find(file, todo.uid, chosen.size());
      if (added)
        chosen.push_back(std::move(todo));
      else if (chosen[at].isOccurrence && !todo.isOccurrence)
        chosen[at] = std::move(todo);
    }
  return chosen;
}

} // namespace

std::vector<FoundReminder> readReminders(const std::vector<CalendarFile> &files,
                                         const icaltimezone *local, ReadingBudget &budget) {
  std::vector<FoundReminder> reminders;
  std::set<std::string> ids;
  for (const auto &todo : representatives(files)) {
    auto found = reminderFrom(*todo.file, *todo.item, todo.uid, local);
    if (!ids.insert(found.reminder.id).second)
      continue;
    if (!budget.takeReminder())
      break;
    reminders.push_back(std::move(found));
  }
  return reminders;
}

} // namespace kit::events
