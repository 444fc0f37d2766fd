#pragma once

#include "CalendarFixture.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace events_test {

// What a widget reads on a day: the open reminders due by its end, overdue ones included, with
// their due moments, and the ids of those completed that day.
struct Day {
  std::vector<std::pair<std::string, std::optional<kit::events::DueDate>>> open;
  std::vector<std::string> completed;
  bool operator==(const Day &) const = default;
};

inline void PrintTo(const Day &day, std::ostream *out) {
  for (const auto &[id, due] : day.open)
    *out << "open " << id << " " << (due ? due->date.unixTime() : 0) << "; ";
  for (const auto &id : day.completed)
    *out << "completed " << id << "; ";
}

inline Day dayOf(const EventStore &store, const kit::events::DateRange &today) {
  auto lists = store.reminderLists({std::nullopt, today.end}, EventStore::Undated::excluded, today);
  Day day;
  for (const auto &reminder : lists.incomplete)
    day.open.emplace_back(reminder.id, reminder.due);
  day.completed = idsOf(lists.completed);
  return day;
}

} // namespace events_test
