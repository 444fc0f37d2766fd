#pragma once

#include "Shared/Data/Models/CalendarSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

namespace zavel {

// The day's schedule: its first three events under the date, and how much of the day has run.
struct CalendarAgendaView {
  kit::foundation::Date date;
  CalendarSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
