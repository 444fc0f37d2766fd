#include "Shared/Views/HealthViews/ScreenOrbitView.h"

#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/HealthViews/ScreenMinutes.h"
#include "Shared/Views/HealthViews/UpperHM.h"
#include "Shared/Views/RingDial.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;

// The orbit: a dashed circle drawn inside the dial's square, in the casing's muted ink.
View dashedOrbit(const ZCtx &ctx) {
  double u = ctx.u;
  return Circle().strokeBorder(ctx.casingInk(InkLevel::muted),
                               StrokeStyle{.lineWidth = 2 * u,
                                           .lineCap = LineCap::butt,
                                           .lineJoin = LineJoin::miter,
                                           .miterLimit = 10,
                                           .dash = {5 * u, 5 * u},
                                           .dashPhase = 0});
}

// Over the budget, the overage in minutes alone in the accent colour; else the time left.
View statusLabel(int64_t total, int64_t budget, const ZCtx &ctx) {
  bool over = total > budget;
  std::string text =
      over ? fmt::format("{}M OVER", total - budget) : upperHM(budget - total, "H ", "M") + " LEFT";
  return MicroLabel(text, 8, 0.16,
                    over ? ctx.casingShade(ctx.accent) : ctx.casingInk(InkLevel::tertiary),
                    FontWeight::semibold, ctx);
}

View timeNumeral(int64_t total, const ZCtx &ctx) {
  return numeralFit(
      Text(fmt::format("{}:{:02}", total / 60, total % 60)).font(ctx.mono(34, FontWeight::bold)));
}

} // namespace

View ScreenOrbitView::body() const {
  int64_t total = shownMinutes(data.totalMinutes), budget = shownMinutes(data.budgetMinutes);
  return RingDial(ctx, 168, dashedOrbit(ctx),
                  {
                      MicroLabel("SCREEN", 8, 0.18, ctx.casingInk(InkLevel::tertiary), ctx),
                      timeNumeral(total, ctx),
                      statusLabel(total, budget, ctx),
                  });
}

} // namespace zavel
