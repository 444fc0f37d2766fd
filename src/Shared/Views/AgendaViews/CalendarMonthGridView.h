#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

namespace zavel {

// The month as a dot grid in weeks from Monday, today in the accent and the days gone darker than
// those to come, with the days left.
struct CalendarMonthGridView {
  kit::foundation::Date date;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
