#pragma once

#include "Shared/Data/Models/RemindersSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// A ring counting down the hour to the next reminder, with the minutes left in the middle and a
// word of its title under them.
struct RemindersNextUpView {
  RemindersSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
