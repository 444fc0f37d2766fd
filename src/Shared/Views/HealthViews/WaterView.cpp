#include "Shared/Views/HealthViews/WaterView.h"

#include "Shared/Data/WidgetIntents/AddWaterIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/CellRow.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/TapArea.h"
#include "kit/foundation/Saturating.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <string>

namespace zavel {
namespace {

using namespace kit::ui;

// The most cells the row holds: beside their 5-unit gaps, 44 cells of the 264-unit row are each
// still a unit wide.
constexpr int64_t mostCells = 44;

// One cell per glass of the goal, lit from the left while glasses are logged. A goal too large
// for a cell per glass shares the cells out: each stands for goal / 44 glasses, and the row is
// full only once the goal is met.
struct GlassRow {
  int64_t cells = 1;
  int64_t lit = 0;
};

GlassRow glassRow(const CounterSnapshot &water) {
  if (water.goal <= mostCells)
    return {std::max<int64_t>(water.goal, 1), water.value};
  return {mostCells, kit::foundation::saturatingMultiply(water.value, mostCells) / water.goal};
}

// The count logged so far over the goal, on one baseline.
View countRow(const CounterSnapshot &water, Color ink, const ZCtx &ctx) {
  return HStack(VAlign::firstTextBaseline, 8 * ctx.u,
                {
                    numeralFit(Text(std::to_string(water.value))
                                   .font(ctx.mono(64, FontWeight::bold))
                                   .foreground(ink)),
                    MicroLabel("OF " + std::to_string(water.goal), 11, 0.14,
                               ctx.casingInk(InkLevel::tertiary), ctx),
                });
}

} // namespace

View WaterView::body() const {
  GlassRow glasses = glassRow(data);
  Color glassInk = ctx.casingShade(ZavelTokens::dataTeal);
  CellRowStyle cells{.spacing = 5,
                     .height = 24,
                     .cornerRadius = 5,
                     .lit = glassInk,
                     .unlit = ctx.casingInk(InkLevel::track)};
  // The whole face is the key that logs a glass.
  View face = PaddedColumn(
      ctx, {.alignment = Alignment::topLeading, .spacing = 0},
      {
          MicroLabel("WATER", 9, 0.18, ctx.casingInk(InkLevel::secondary), ctx),
          countRow(data, glassInk, ctx).padding(Edge::top, 18 * ctx.u),
          Spacer(),
          CellRow(glasses.cells, glasses.lit, cells, ctx),
          MicroLabel("TAP TO LOG A GLASS", 8, 0.16, ctx.casingInk(InkLevel::tertiary), ctx)
              .padding(Edge::top, 12 * ctx.u),
      });
  return TapArea(kit::intents::intentReference(AddWaterIntent()), face);
}

} // namespace zavel
