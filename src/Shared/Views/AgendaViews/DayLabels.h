#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

namespace zavel {

// The day of the month as a big bold numeral of `size` design units, in the screen's own colour.
kit::ui::View DayNumeral(kit::foundation::Date date, double size, const ZCtx &ctx);

// The weekday's name as an accent label.
kit::ui::View WeekdayLabel(kit::foundation::Date date, const ZCtx &ctx);

} // namespace zavel
