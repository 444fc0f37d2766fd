#pragma once

#include "Shared/Data/Models/UsageSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The share of the day's budget used: fifty cells lighting up row by row, with the percentage
// and the budget.
struct ScreenElapsedView {
  UsageSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
