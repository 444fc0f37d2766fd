#pragma once

#include "Shared/Data/Models/UsageSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Seven days of screen time as bars, today's in the accent colour, under the daily average.
struct ScreenWeeklyView {
  UsageSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
