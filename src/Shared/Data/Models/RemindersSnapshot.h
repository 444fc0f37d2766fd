#pragma once

#include "Shared/Data/Models/ReminderItem.h"

#include <cstdint>

namespace zavel {

// The day's reminders in the reader's order, with the next one due.
struct RemindersSnapshot {
  std::vector<ReminderItem> items;
  // The first open reminder, in reader order, due after now.
  std::optional<ReminderItem> nextUp;
  // Whole minutes until `nextUp` is due, at least 1.
  std::optional<int64_t> minutesToNext;

  bool operator==(const RemindersSnapshot &) const = default;

  // The whole minutes from `now` until `due`, at least 1.
  static int64_t minutesUntil(kit::foundation::Date due, kit::foundation::Date now);

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("items", &RemindersSnapshot::items),
                      field("nextUp", &RemindersSnapshot::nextUp),
                      field("minutesToNext", &RemindersSnapshot::minutesToNext)};
  }
};

} // namespace zavel
