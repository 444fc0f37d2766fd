#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

namespace zavel {

// Two hands standing on the screen with no dial, and the numerals 12, 3, 6 and 9 at its edges.
struct ClockNumeralDialView {
  kit::foundation::Date date;
  kit::foundation::TimeZone timeZone;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
