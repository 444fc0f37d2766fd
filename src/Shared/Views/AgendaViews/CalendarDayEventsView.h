#pragma once

#include "Shared/Data/Models/CalendarSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

namespace zavel {

// The date beside the next two events of the day (the last two once all are over).
struct CalendarDayEventsView {
  kit::foundation::Date date;
  CalendarSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
