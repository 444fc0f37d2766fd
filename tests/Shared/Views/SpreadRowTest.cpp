#include "Shared/Views/SpreadRow.h"

#include "Shared/Views/TemperatureText.h"
#include "Shared/Views/ViewRanges.h"
#include "Shared/Views/ViewTesting.h"

#include <optional>

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

TEST(SpreadRow, NeighboursCloseUpToTheLeastGapAskedAndNoFurther) {
  // Four cells 10 points wide in a row of 46: 2 points left for each of the three gaps.
  const struct {
    const char *name;
    std::optional<double> leastGap;
    double gap;
  } cases[] = {
      {"the stack's usual gap", std::nullopt, 8},
      {"closing up", 0, 2},
      {"a gap wider than the room", 3, 3},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    View row = SpreadRow(
        VAlign::center, indices(4),
        [](int) { return Rectangle().fill(Color::black).frame(10, 10); }, c.leastGap);
    LaidOutTree tree = lay(row, {46, 10});
    std::vector<const LaidOutNode *> cells = tree.root.findAll("Rectangle");
    ASSERT_EQ(cells.size(), 4u);
    for (std::size_t i = 1; i < cells.size(); ++i)
      EXPECT_NEAR(cells[i]->frame.minX() - cells[i - 1]->frame.maxX(), c.gap, 1e-9) << i;
  }
}

} // namespace
} // namespace zavel
