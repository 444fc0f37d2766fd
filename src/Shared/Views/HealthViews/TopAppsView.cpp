#include "Shared/Views/HealthViews/TopAppsView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/HealthViews/ScreenMinutes.h"
#include "Shared/Views/HealthViews/UpperHM.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <span>

namespace zavel {
namespace {

using namespace kit::ui;
using App = UsageSnapshot::App;

constexpr std::size_t mostApps = 3;
// Wide enough for a day's longest time, "24H 59M", at the row's size; the bar gives way.
constexpr double timeWidth = 60;

int64_t appMinutes(const App &app) { return app.minutes; }

// The name, a bar whose most used app stops at 72 % of its track, and the time.
View appRow(const App &app, double most, const ZCtx &ctx) {
  int64_t minutes = shownMinutes(app.minutes);
  BarStyle bar{.height = 8,
               .fill = ctx.casingShade(app.isFlagged ? ctx.accent : ZavelTokens::dataTeal),
               .track = ctx.casingInk(InkLevel::track)};
  return HStack(VAlign::center, 14 * ctx.u,
                {
                    MicroLabel(app.name, 10, 0.14, ctx.casingInk(), ctx)
                        .frame({.width = 96 * ctx.u, .alignment = Alignment::leading}),
                    TrackBar(double(minutes) / most * 0.72, bar, ctx),
                    figureFit(Text(upperHM(minutes, "H ", "M")))
                        .font(ctx.mono(10, FontWeight::regular))
                        .foreground(ctx.casingInk(InkLevel::tertiary))
                        .frame({.width = timeWidth * ctx.u, .alignment = Alignment::trailing}),
                });
}

} // namespace

View TopAppsView::body() const {
  auto rows = std::span(data.apps).first(std::min(mostApps, data.apps.size()));
  double most = double(mostMinutes(rows, appMinutes));
  return PaddedColumn(
      ctx, {.alignment = Alignment::leading, .spacing = 20, .vertical = 22, .horizontal = 26},
      {
          MicroLabel("TOP APPS — TODAY", 10, 0.16, ctx.casingInk(InkLevel::secondary), ctx),
          ForEach(rows, [&](const App &app) { return appRow(app, most, ctx); }),
      });
}

} // namespace zavel
