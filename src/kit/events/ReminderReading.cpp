#include "kit/events/ReminderReading.h"

#include "kit/events/ItemGroups.h"
#include "kit/events/ItemText.h"
#include "kit/events/ToDoSeries.h"

#include <set>

namespace kit::events {

namespace {

FoundReminder reminderOf(const ToDoPart &todo, const std::string &id, const Zone *local) {
  FoundReminder found{.reminder = {.id = id,
                                   .calendar = todo.file->calendar,
                                   .title = itemText(*todo.item, PropertyName::summary),
                                   .due = dueOfToDo(todo, local),
                                   .completed = isCompleted(*todo.item),
                                   .completionDate = std::nullopt},
                      .cancelled = isCancelled(*todo.item),
                      .file = todo.file->path,
                      .todoIndex = todo.item->index,
                      .occurrenceToAdd = std::nullopt,
                      .seriesWithoutUid = false};
  auto completion = todo.item->first(PropertyName::completed);
  auto completed = completion ? zonedTimeOf(*completion, todo.file->zones) : std::nullopt;
  if (completed && found.reminder.completed)
    found.reminder.completionDate = instantOf(*completed, local);
  return found;
}

ToDoPlace placeOf(const ToDoPart &todo) {
  return {.file = todo.file->path, .todoIndex = todo.item->index};
}

// The reminders a repeating to-do gives: the one for its current occurrence (or the series
// completed as a whole), and its occurrences completed in the span asked for.
class SeriesReminders {
public:
  SeriesReminders(const ToDoSeries &series, const std::string &id, const Zone *local,
                  const ReminderQuery &query)
      : series_(series), id_(id), local_(local), query_(query) {}

  void addTo(std::vector<FoundReminder> &reminders) const {
    const ToDoPart *whole = nullptr; // the override the series completed as a whole stands for
    if (auto own = seriesReminder(whole))
      reminders.push_back(std::move(*own));
    for (const auto &[moment, change] : series_.changes())
      if (&change.part != whole)
        if (auto done = completedOccurrence(change))
          reminders.push_back(std::move(*done));
  }

private:
  std::optional<FoundReminder> seriesReminder(const ToDoPart *&whole) const {
    FoundReminder found = reminderOf(series_.series(), id_, local_);
    if (found.reminder.completed) {
      if (auto shown = series_.latestOrFirst(query_.now))
        found.reminder.due = shown->due;
      // Its last occurrence, completed with it, reopens with it.
      if (auto last = series_.lastChanged(); last && last->completed()) {
        whole = last->change;
        found.alongside = placeOf(*whole);
      }
      return found;
    }
    auto current = series_.current(query_.now);
    if (!current)
      return std::nullopt;
    found.reminder.due = current->due;
    if (current->change) {
      // Its override says what it is called and where a toggle writes; the last completes the
      // series with it.
      FoundReminder changed = reminderOf(*current->change, id_, local_);
      found.reminder.title = changed.reminder.title ? changed.reminder.title : found.reminder.title;
      found.file = changed.file;
      found.todoIndex = changed.todoIndex;
      if (!series_.hasAfter(*current))
        found.alongside = placeOf(series_.series());
    } else if (series_.hasAfter(*current)) {
      found.seriesWithoutUid = uidOf(*series_.series().item).empty();
      if (!found.seriesWithoutUid)
        found.occurrenceToAdd = series_.linesNaming(*current);
    }
    return found;
  }

  std::optional<FoundReminder> completedOccurrence(const ToDoSeries::Change &change) const {
    if (!isCompleted(*change.part.item))
      return std::nullopt;
    FoundReminder found = reminderOf(change.part, id_, local_);
    if (!found.reminder.completionDate ||
        !query_.completions.contains(*found.reminder.completionDate))
      return std::nullopt;
    auto occurrence = series_.occurrenceAt(change.named);
    found.reminder.id = id_ + "#" + timeKey(occurrence.start);
    found.reminder.due = occurrence.due;
    if (!found.reminder.title)
      found.reminder.title = itemText(*series_.series().item, PropertyName::summary);
    return found;
  }

  const ToDoSeries &series_;
  const std::string &id_;
  const Zone *local_;
  const ReminderQuery &query_;
};

// The reminders of one UID: a plain to-do's own, a repeating one's, or the first changed
// occurrence's when the series itself is not there.
std::vector<FoundReminder> remindersOf(const ItemGroup &group, const Zone *local,
                                       const ReminderQuery &query) {
  group.startItem();
  std::vector<FoundReminder> reminders;
  if (!group.series) {
    reminders.push_back(reminderOf(group.overrides.front(), group.id, local));
    return reminders;
  }
  if (auto series = ToDoSeries::of(*group.series, group.overrides, local))
    SeriesReminders(*series, group.id, local, query).addTo(reminders);
  else
    reminders.push_back(reminderOf(*group.series, group.id, local));
  return reminders;
}

// Whether the group can give the reminder of this id: its own, or one of its occurrences'.
bool mayGive(const ItemGroup &group, const std::string &id) {
  return id.starts_with(group.id) && (id.size() == group.id.size() || id[group.id.size()] == '#');
}

// Whether the reading keeps the reminder: the one asked for, or one a list may show.
bool kept(const FoundReminder &found, const ReminderQuery &query) {
  const Reminder &reminder = found.reminder;
  if (query.id)
    return reminder.id == *query.id;
  if (found.cancelled)
    return false;
  return !reminder.completed ||
         (reminder.completionDate && query.completions.contains(*reminder.completionDate));
}

} // namespace

std::vector<FoundReminder> readReminders(const std::vector<CalendarFile> &files, const Zone *local,
                                         const ReminderQuery &query) {
  std::vector<FoundReminder> reminders;
  std::set<std::string> ids;
  ItemGroups(files, ComponentKind::todo).forEach([&](const ItemGroup &group) {
    if (query.id && !mayGive(group, *query.id))
      return;
    std::vector<FoundReminder> found;
    try {
      found = remindersOf(group, local, query);
    } catch (const ReadingExhausted &) {
      return;
    }
    const CalendarFile &file = group.series ? *group.series->file : *group.overrides.front().file;
    for (auto &reminder : found) {
      if (ids.count(reminder.reminder.id))
        continue;
      // One not kept still takes its id, as it would in a reading that keeps it.
      if (!kept(reminder, query)) {
        ids.insert(reminder.reminder.id);
        continue;
      }
      auto resource = reminder.reminder.completed ? ReadingBudget::completedReminders
                                                  : ReadingBudget::reminders;
      if (!file.account->take(resource, 1))
        continue;
      ids.insert(reminder.reminder.id);
      reminders.push_back(std::move(reminder));
    }
  });
  return reminders;
}

} // namespace kit::events
