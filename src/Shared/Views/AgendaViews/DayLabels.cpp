#include "Shared/Views/AgendaViews/DayLabels.h"

#include "Shared/Views/AgendaViews/CalLabel.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "kit/ui/Text.h"

namespace zavel {

using namespace kit::ui;

View DayNumeral(kit::foundation::Date date, double size, const ZCtx &ctx) {
  return numeralFit(Text(calLabel("d", date)).font(ctx.mono(size, FontWeight::bold)));
}

View WeekdayLabel(kit::foundation::Date date, const ZCtx &ctx) {
  return MicroLabel(calLabel("EEEE", date), 10, 0.18, ctx.accent, FontWeight::semibold, ctx);
}

} // namespace zavel
