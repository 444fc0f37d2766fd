#include "Shared/Views/BarChart.h"

#include "Shared/Views/ViewTesting.h"

#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(BarChart, BarsStandOnOneFloorAsTheirShareOfTheHeightNoneUnderFourUnits) {
  // At half a point a unit the least bar is 2 points high; three columns 10 points apart share
  // 100 - 20 points.
  const ZCtx ctx = context(0.5);
  const std::vector<double> shares{0, 0.5, 1};
  View chart = BarChart(shares, 10, [&](double share, double height) {
    return ChartBar(barHeight(share, height, ctx), 4, ZavelTokens::dataTeal, ctx);
  });
  LaidOutTree tree = lay(chart, {100, 60});
  std::vector<const LaidOutNode *> bars = tree.root.findAll("RoundedRectangle");
  ASSERT_EQ(bars.size(), 3u);
  double width = 80.0 / 3;
  expectRectNear(bars[0]->frame, rect(0, 58, width, 2), "nothing");
  expectRectNear(bars[1]->frame, rect(width + 10, 30, width, 30), "half", 1e-6);
  expectRectNear(bars[2]->frame, rect(2 * (width + 10), 0, width, 60), "all", 1e-6);
}

} // namespace
} // namespace zavel
