#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

namespace zavel {

// Today's date, big: the weekday, the day of the month and the month with its year.
struct CalendarBigDateView {
  kit::foundation::Date date;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
