#include "Shared/Views/HealthViews/WaterView.h"

#include "Shared/Data/WidgetIntents/AddWaterIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/CellRow.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/TapArea.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <limits>
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

int64_t saturatingProduct(int64_t a, int64_t b) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, b, &product))
    return product;
  return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min()
                            : std::numeric_limits<int64_t>::max();
}

GlassRow glassRow(const CounterSnapshot &water) {
  if (water.goal <= mostCells)
    return {std::max<int64_t>(water.goal, 1), water.value};
  return {mostCells, saturatingProduct(water.value, mostCells) / water.goal};
}

} // namespace

View WaterView::body() const {
  double u = ctx.u;
  GlassRow glasses = glassRow(data);
  Color glassInk = ctx.casingShade(ZavelTokens::dataTeal);
  return TapArea(
      kit::intents::intentReference(AddWaterIntent()),
      PaddedColumn(
          ctx, {.alignment = Alignment::topLeading, .spacing = 0},
          {
              MicroLabel("WATER", 9, 0.18, ctx.casingInk(InkLevel::secondary), ctx),
              HStack(VAlign::firstTextBaseline, 8 * u,
                     {
                         numeralFit(Text(std::to_string(data.value))
                                        .font(ctx.mono(64, FontWeight::bold))
                                        .foreground(glassInk)),
                         MicroLabel("OF " + std::to_string(data.goal), 11, 0.14,
                                    ctx.casingInk(InkLevel::tertiary), ctx),
                     })
                  .padding(Edge::top, 18 * u),
              Spacer(),
              CellRow(glasses.cells, glasses.lit,
                      {.spacing = 5,
                       .height = 24,
                       .cornerRadius = 5,
                       .lit = glassInk,
                       .unlit = ctx.casingInk(InkLevel::track)},
                      ctx),
              MicroLabel("TAP TO LOG A GLASS", 8, 0.16, ctx.casingInk(InkLevel::tertiary), ctx)
                  .padding(Edge::top, 12 * u),
          }));
}

} // namespace zavel
