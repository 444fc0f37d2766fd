#include "Shared/Views/AgendaViews/CalendarMonthGridView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/foundation/Calendar.h"
#include "kit/ui/UI.h"

#include <numeric>
#include <string>
#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::foundation::Calendar;

// The month around a date, worked out once in one zone: its name and the day's numeral in
// English, which day it is, how long the month runs and how many cells precede its first day in
// a week that starts on Monday.
struct Month {
  std::string name;
  std::string todayLabel;
  int today = 1;
  int days = 30;
  int lead = 0;

  static Month of(kit::foundation::Date date, const Calendar &calendar) {
    auto components = calendar.components(date);
    int days = calendar.daysInMonth(date);
    int firstWeekday =
        calendar.components(calendar.date(components.year, components.month, 1)).weekday;
    return {.name = ClockFormat::formatted("MMMM", date, calendar.timeZone()),
            .todayLabel = ClockFormat::formatted("d", date, calendar.timeZone()),
            .today = components.day,
            .days = days > 0 ? days : 30,
            .lead = (firstWeekday + 5) % 7};
  }
};

Color cellColor(int day, int today, const ZCtx &ctx) {
  if (day == today)
    return ctx.accent;
  return day < today ? ZavelTokens::dotFilled : ZavelTokens::trackFine;
}

View dotGrid(const Month &month, const ZCtx &ctx) {
  double u = ctx.u;
  std::vector<int> cells(month.lead + month.days);
  std::iota(cells.begin(), cells.end(), 0);
  return LazyVGrid(std::vector(7, GridItem::flexible(10, infinity, 0)), HAlign::center, 10 * u,
                   {ForEach(cells, [&](int i) {
                     int day = i - month.lead + 1;
                     return Circle()
                         .fill(cellColor(day, month.today, ctx))
                         .frame(6 * u, 6 * u)
                         .opacity(i < month.lead ? 0 : 1);
                   })});
}

} // namespace

View CalendarMonthGridView::body() const {
  Month month = Month::of(date, Calendar::current());
  return ScreenColumn(
      ctx, {},
      {
          HStack(VAlign::center,
                 {
                     MicroLabel(month.name, 10, 0.16, ZavelTokens::screenText2, ctx),
                     Spacer(),
                     Text(month.todayLabel)
                         .font(ctx.mono(11, FontWeight::bold))
                         .foreground(ctx.accent)
                         .textRole(TextRole::data),
                 }),
          dotGrid(month, ctx).padding(Edge::top, 22 * ctx.u),
          Spacer(),
          MicroLabel(std::to_string(month.days - month.today) + " DAYS LEFT", 9, 0.14,
                     ZavelTokens::screenText3, ctx),
      });
}

} // namespace zavel
