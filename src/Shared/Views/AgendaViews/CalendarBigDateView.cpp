#include "Shared/Views/AgendaViews/CalendarBigDateView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/AgendaViews/CalLabel.h"
#include "Shared/Views/AgendaViews/DayLabels.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View CalendarBigDateView::body() const {
  return ScreenColumn(
      ctx, {},
      {
          WeekdayLabel(date, ctx),
          DayNumeral(date, 118, ctx).padding(Edge::top, 6 * ctx.u),
          Spacer(),
          MicroLabel(calLabel("MMMM yyyy", date), 11, 0.14, ZavelTokens::screenText3, ctx),
      });
}

} // namespace zavel
