#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

namespace zavel {

// The time and the short date inside a ring that fills with the minutes of the hour.
struct ClockDigitalOrbView {
  kit::foundation::Date date;
  kit::foundation::TimeZone timeZone;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
