#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// Giant hours over accent minutes, and at the foot the zone's offset and city (LOCAL for the
// device's own zone).
struct ClockColumnView {
  kit::foundation::Date date;
  kit::foundation::TimeZone timeZone;
  ZCtx ctx;

  kit::ui::View body() const;
  // The zone line: "GMT+9 — TOKYO", "GMT+0 — LOCAL".
  std::string gmtTag() const;
};

} // namespace zavel
