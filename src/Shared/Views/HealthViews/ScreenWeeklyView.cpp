#include "Shared/Views/HealthViews/ScreenWeeklyView.h"

#include "Shared/Views/BarChart.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/HealthViews/ScreenMinutes.h"
#include "Shared/Views/HealthViews/UpperHM.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ScreenHeader.h"
#include "kit/foundation/TextOperations.h"
#include "kit/ui/UI.h"

#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;
using Day = UsageSnapshot::Day;

int64_t dayMinutes(const Day &day) { return day.minutes; }

// The mean of the days in whole minutes; none without days.
int64_t dailyAverage(const std::vector<Day> &week) {
  if (week.empty())
    return 0;
  return totalMinutes(week, dayMinutes) / int64_t(week.size());
}

// One day: its bar, `height` points high, over the first two letters of its name.
View dayColumn(const Day &day, double height, const ZCtx &ctx) {
  return VStack(HAlign::center, 8 * ctx.u,
                {
                    ChartBar(height, 6,
                             day.isToday ? ctx.casingShade(ctx.accent)
                                         : ctx.casingInk(InkLevel::muted),
                             ctx),
                    MicroLabel(kit::foundation::prefixCharacters(day.label, 2), 8, 0.12,
                               ctx.casingInk(day.isToday ? InkLevel::primary : InkLevel::tertiary),
                               ctx),
                })
      .frame({.maxWidth = infinity});
}

// The days side by side on a common floor, the longest day's bar at 0.7 of the chart's height and
// none under 4 units.
View weekChart(const std::vector<Day> &week, const ZCtx &ctx) {
  double most = double(mostMinutes(week, dayMinutes));
  return BarChart(week, 14 * ctx.u, [most, ctx](const Day &day, double height) {
    double share = double(shownMinutes(day.minutes)) / most;
    return dayColumn(day, barHeight(share, 0.7 * height, ctx), ctx);
  });
}

} // namespace

View ScreenWeeklyView::body() const {
  return PaddedColumn(ctx, {.alignment = Alignment::center, .vertical = 22, .horizontal = 26},
                      {
                          ScreenHeader(MicroLabel("DAILY AVERAGE", 10, 0.16,
                                                  ctx.casingInk(InkLevel::secondary), ctx),
                                       Text(upperHM(dailyAverage(data.week), "h ", "m"))
                                           .font(ctx.mono(16, FontWeight::bold))),
                          weekChart(data.week, ctx).padding(Edge::top, 16 * ctx.u),
                      });
}

} // namespace zavel
