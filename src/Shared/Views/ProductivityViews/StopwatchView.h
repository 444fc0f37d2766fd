#pragma once

#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The stopwatch: the time since its start, counting up on its own; the laps stay in the record.
struct StopwatchView {
  StopwatchState data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
