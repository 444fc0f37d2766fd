#include "Shared/Views/HealthViews/ScreenElapsedView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/CellRow.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/HealthViews/ScreenMinutes.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ScreenHeader.h"
#include "Shared/Views/ViewRanges.h"
#include "kit/foundation/Saturating.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {

using kit::foundation::wholeRounded;

namespace {

using namespace kit::ui;

constexpr int gridRows = 5, gridColumns = 10;

// The used share of the budget, full at or past it (and for a budget of none).
double usedShare(int64_t total, int64_t budget) {
  return total >= budget ? 1 : double(total) / double(budget);
}

// Cells light up row by row from the top-left.
View cellGrid(int64_t lit, const ZCtx &ctx) {
  const CellRowStyle cells{.spacing = 9,
                           .height = 7,
                           .cornerRadius = 2,
                           .lit = ctx.casingShade(ZavelTokens::dataTeal),
                           .unlit = ctx.casingInk(InkLevel::unlit)};
  return VStack(HAlign::center, 9 * ctx.u, {ForEach(indices(gridRows), [&](int row) {
                  return CellRow(gridColumns, lit - row * gridColumns, cells, ctx);
                })});
}

} // namespace

View ScreenElapsedView::body() const {
  int64_t budget = shownMinutes(data.budgetMinutes);
  double used = usedShare(shownMinutes(data.totalMinutes), budget);
  Text percent(fmt::format("{}%", wholeRounded(used * 100)));
  return PaddedColumn(
      ctx, {.alignment = Alignment::topLeading, .spacing = 0},
      {
          ScreenHeader(MicroLabel("ELAPSED", 9, 0.18, ctx.casingInk(InkLevel::secondary), ctx),
                       percent.font(ctx.mono(16, FontWeight::bold))
                           .foreground(ctx.casingShade(ZavelTokens::dataTeal))),
          cellGrid(wholeRounded(used * gridRows * gridColumns), ctx).padding(Edge::top, 22 * ctx.u),
          Spacer(),
          MicroLabel(fmt::format("OF {}H {:02}M DAILY BUDGET", budget / 60, budget % 60), 9, 0.14,
                     ctx.casingInk(InkLevel::tertiary), ctx),
      });
}

} // namespace zavel
