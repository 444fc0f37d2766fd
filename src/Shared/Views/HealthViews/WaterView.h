#pragma once

#include "Shared/Data/ExtraModels/CounterSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Today's glasses of water against the goal, with a row of glass cells lit from the left; a press
// anywhere logs one more.
struct WaterView {
  CounterSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
