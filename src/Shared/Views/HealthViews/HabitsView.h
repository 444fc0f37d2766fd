#pragma once

#include "Shared/Data/ExtraModels/HabitWeekRow.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

#include <cstdint>
#include <vector>

namespace zavel {

// The first three habits with this week's check-ins as dots from Monday to Sunday; a press on a
// row checks its habit in for today, or takes today's check-in back. Today is the day of the
// moment of drawing, not of the entry.
struct HabitsView {
  std::vector<HabitWeekRow> data;
  ZCtx ctx;

  kit::ui::View body() const;

  // The colour of the dot of `day` (0 is Monday) in a row with `done` check-ins, `today` being
  // the day drawn: the first `done` days are lit, never past today, today in the accent colour.
  // The dots tell how many days were checked in, not which.
  kit::ui::Color dotColor(int day, int64_t done, int today) const;
};

} // namespace zavel
