#pragma once

#include "Shared/Data/Models/RemindersSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Today's reminders on a card: a header with the count of open ones, and up to three rows, each a
// key that completes or reopens its reminder.
struct RemindersListView {
  RemindersSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
