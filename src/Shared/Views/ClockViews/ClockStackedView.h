#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

namespace zavel {

// The hours over the dimmed minutes, without a colon.
struct ClockStackedView {
  kit::foundation::Date date;
  kit::foundation::TimeZone timeZone;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
