#pragma once

#include "Shared/Data/ExtraModels/CounterSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Today's steps: a ring filling toward the goal around the count; a press anywhere logs 1,000.
struct StepsView {
  CounterSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
