#include "kit/events/ReminderReading.h"

#include "kit/events/IcalTime.h"
#include "kit/events/ItemText.h"

#include <algorithm>
#include <set>

namespace kit::events {

namespace {

std::optional<ZonedTime> timeOf(icalcomponent *todo, icalproperty_kind kind) {
  auto properties = propertiesOf(todo, kind);
  return properties.empty() ? std::nullopt : zonedTimeOf(properties.front());
}

// STATUS decides when the file gives one; otherwise a completion time marks a finished to-do.
bool isCompleted(icalcomponent *todo) {
  if (auto status = statusOf(todo))
    return *status == ICAL_STATUS_COMPLETED;
  return !propertiesOf(todo, ICAL_COMPLETED_PROPERTY).empty();
}

FoundReminder reminderFrom(const CalendarFile &file, icalcomponent *todo, std::size_t index,
                           const icaltimezone *local) {
  FoundReminder found{.reminder = {.id = baseId(file, uidOf(todo)),
                                   .calendar = file.calendar,
                                   .title = itemText(icalcomponent_get_summary(todo)),
                                   .due = std::nullopt,
                                   .completed = isCompleted(todo),
                                   .completionDate = std::nullopt},
                      .cancelled = isCancelled(todo),
                      .file = file.path,
                      .todoIndex = index};
  if (auto due = timeOf(todo, ICAL_DUE_PROPERTY))
    found.reminder.due = DueDate{.date = instantOf(*due, local), .hasTime = !due->isDate()};
  if (auto completion = timeOf(todo, ICAL_COMPLETED_PROPERTY);
      completion && found.reminder.completed)
    found.reminder.completionDate = instantOf(*completion, local);
  return found;
}

struct Todo {
  icalcomponent *component;
  std::size_t index;
  std::string uid;
  bool isOccurrence;
};

std::vector<Todo> todosOf(const CalendarFile &file) {
  std::vector<Todo> todos;
  for (auto *calendar : file.calendars())
    for (auto *todo : childComponents(calendar, ICAL_VTODO_COMPONENT))
      todos.push_back({todo, todos.size(), uidOf(todo),
                       !propertiesOf(todo, ICAL_RECURRENCEID_PROPERTY).empty()});
  return todos;
}

// Per UID, in order of first appearance: the series, else its first changed occurrence.
std::vector<Todo> representatives(const std::vector<Todo> &todos) {
  std::vector<Todo> chosen;
  for (const auto &todo : todos) {
    auto same = std::find_if(chosen.begin(), chosen.end(),
                             [&](const Todo &c) { return c.uid == todo.uid; });
    if (same == chosen.end())
      chosen.push_back(todo);
    else if (same->isOccurrence && !todo.isOccurrence)
      *same = todo;
  }
  return chosen;
}

} // namespace

std::vector<FoundReminder> readReminders(const std::vector<CalendarFile> &files,
                                         const icaltimezone *local) {
  std::vector<FoundReminder> reminders;
  std::set<std::string> ids;
  for (const auto &file : files)
    for (const auto &todo : representatives(todosOf(file))) {
      auto found = reminderFrom(file, todo.component, todo.index, local);
      if (ids.insert(found.reminder.id).second)
        reminders.push_back(std::move(found));
    }
  return reminders;
}

} // namespace kit::events
