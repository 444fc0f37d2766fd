#include "Shared/Views/AgendaViews/DisplayRows.h"

#include <algorithm>

namespace zavel {

namespace {
constexpr size_t maximumRows = 3;
}

std::vector<ReminderItem> displayRows(const RemindersSnapshot &snapshot) {
  std::vector<ReminderItem> rows;
  auto lastDone = std::find_if(snapshot.items.rbegin(), snapshot.items.rend(),
                               [](const ReminderItem &item) { return item.done; });
  if (lastDone != snapshot.items.rend())
    rows.push_back(*lastDone);
  for (const ReminderItem &item : snapshot.items)
    if (!item.done && rows.size() < maximumRows)
      rows.push_back(item);
  return rows;
}

} // namespace zavel
