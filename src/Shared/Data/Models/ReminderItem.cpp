#include "Shared/Data/Models/ReminderItem.h"

namespace zavel {

namespace {
constexpr double kUrgentWithinSeconds = 2 * 60 * 60;
}

bool ReminderItem::isUrgentAt(kit::foundation::Date due, bool done, kit::foundation::Date now) {
  return !done && due.timeIntervalSince(now) < kUrgentWithinSeconds;
}

const std::vector<ReminderItem> &ReminderItem::samples() {
  static const std::vector<ReminderItem> items = {
      {"1", "Morning run 5K", std::nullopt, true, false},
      {"2", "Ship widget beta build", std::nullopt, true, false},
      {"3", "Call Ines about the press kit", "17:00", false, false},
      {"4", "Water the monstera", "18:30", false, true},
      {"5", "Review App Store copy", "21:00", false, false},
  };
  return items;
}

} // namespace zavel
