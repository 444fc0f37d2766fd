#include "Shared/Views/SpreadRow.h"

#include "Shared/Views/TemperatureText.h"
#include "Shared/Views/ViewTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(SpreadRow, FourCharacterNumeralsKeepOneLineAndTheColumnsStillSpreadEvenly) {
  ZCtx ctx = mediumWidget.context();
  std::vector<int64_t> temperatures{-12, -15, -8, 102, 112, -10, 110};
  View row = SpreadRow(VAlign::bottom, temperatures, [&](int64_t t) {
    return Text(temperatureText(t)).font(ctx.mono(20, FontWeight::bold));
  });
  // The forecast's row: the screen's width less its padding, at the medium widget's unit.
  WidgetFrame frame{ZavelSize::m, {364 - 2 * (15 + 26 + 4) * mediumWidget.u(), 40}};
  LaidOutTree tree = layReal(row, frame);
  std::vector<const LaidOutNode *> cells = tree.root.findAll("Text");
  ASSERT_EQ(cells.size(), temperatures.size());
  for (const LaidOutNode *cell : cells)
    expectFit(*cell, frame.points.width, Fit::asIs);
  EXPECT_NEAR(cells.front()->frame.minX(), 0, 1e-9);
  EXPECT_NEAR(cells.back()->frame.maxX(), frame.points.width, 1e-6);
  // The gaps between neighbours are the same.
  double gap = cells[1]->frame.minX() - cells[0]->frame.maxX();
  EXPECT_GT(gap, 8);
  for (std::size_t i = 2; i < cells.size(); ++i)
    EXPECT_NEAR(cells[i]->frame.minX() - cells[i - 1]->frame.maxX(), gap, 1e-6) << i;
}

} // namespace
} // namespace zavel
