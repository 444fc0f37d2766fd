#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// Up to three cities side by side, each with its code, time and DAY or NIGHT; the first city's
// code is in the accent colour.
struct ClockWorldStripView {
  kit::foundation::Date date;
  std::vector<kit::foundation::TimeZone> zones;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
