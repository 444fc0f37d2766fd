#pragma once

#include "Shared/Data/Models/RemindersSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// One reminder at a time: the next one due, else the first open one, with a round key that
// completes it and when it is due.
struct RemindersSingleView {
  RemindersSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
