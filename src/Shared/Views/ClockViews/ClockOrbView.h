#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

#include <optional>

namespace zavel {

// An analog dial on the screen: a dark disc with a fine rim, dots at 12, 3, 6 and 9, hour and
// minute hands, and a second hand only when live seconds are given.
struct ClockOrbView {
  kit::foundation::Date date;
  kit::foundation::TimeZone timeZone;
  std::optional<double> liveSeconds; // seconds within the minute, for a running second hand
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
