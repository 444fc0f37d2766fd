#pragma once

#include "Shared/Data/Models/RemindersSnapshot.h"

#include <vector>

namespace zavel {

// The rows a reminders list shows, at most three: the last completed reminder, if any, then the
// first open ones, in stored order.
std::vector<ReminderItem> displayRows(const RemindersSnapshot &snapshot);

} // namespace zavel
