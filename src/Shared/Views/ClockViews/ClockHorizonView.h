#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

namespace zavel {

// The time large at the left of the screen, with the long date under it.
struct ClockHorizonView {
  kit::foundation::Date date;
  kit::foundation::TimeZone timeZone;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
