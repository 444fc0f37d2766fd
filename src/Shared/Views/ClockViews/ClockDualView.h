#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// Home and away on a screen split by a hairline: each half with its name, time, offset and DAY
// or NIGHT.
struct ClockDualView {
  kit::foundation::Date date;
  kit::foundation::TimeZone homeZone;
  kit::foundation::TimeZone awayZone;
  std::string homeName;
  std::string awayName;
  ZCtx ctx;

  kit::ui::View body() const;
  // One half, its text 34 units in from its left edge.
  kit::ui::View half(const std::string &name, const kit::foundation::TimeZone &zone) const;
};

} // namespace zavel
