#pragma once

#include "Shared/Data/Models/UsageSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Today's screen time inside a dashed orbit, with the time left of the budget or, past it, the
// minutes over in the accent colour.
struct ScreenOrbitView {
  UsageSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
