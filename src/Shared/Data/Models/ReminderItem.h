#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace zavel {

// One reminder of the day, identified by its reminders-store identifier.
struct ReminderItem {
  std::string id;
  // "Untitled" when the reminder has none.
  std::string title;
  // The due time as a clock text; only when the due date has an hour.
  std::optional<std::string> time;
  bool done = false;
  // Open and due less than two hours from now, overdue included.
  bool isUrgent = false;

  bool operator==(const ReminderItem &) const = default;

  // Whether a reminder with that due moment counts as urgent at `now`.
  static bool isUrgentAt(kit::foundation::Date due, bool done, kit::foundation::Date now);

  // The five preview reminders, built once per process.
  static const std::vector<ReminderItem> &samples();

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("id", &ReminderItem::id), field("title", &ReminderItem::title),
                      field("time", &ReminderItem::time), field("done", &ReminderItem::done),
                      field("isUrgent", &ReminderItem::isUrgent)};
  }
};

} // namespace zavel
