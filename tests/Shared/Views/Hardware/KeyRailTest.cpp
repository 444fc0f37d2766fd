#include "Shared/Views/Hardware/KeyRail.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::ui::testing::framesOf;

// Keys are 20 × 20 circles, the bottom slot a 30 × 10 ellipse; the rail stands in a 200 point
// tall widget as wide as itself.
LaidOutTree rail(double u, double bottomPad, bool cream = false, int keyCount = 2) {
  std::vector<View> keys(keyCount, Circle().frame(20, 20));
  ZCtx ctx = context(u, ZavelSize::m, cream);
  return lay(KeyRail(84, 12, 8, 10, bottomPad, ctx, Group(keys), Ellipse().frame(30, 10)),
             {84 * u, 200});
}

TEST(KeyRail, KeysFromTheTopSlotAtTheBottomSeamsAtLeastAPoint) {
  for (auto [u, w] : {std::pair{0.5, 1.0}, {2.0, 2.0}}) {
    std::string what = "u " + std::to_string(u);
    LaidOutTree tree = rail(u, 12);
    double lead = 12 * u, column = 84 * u - lead, columnMid = lead + column / 2;
    std::vector<Rect> keys = framesOf(tree, "Circle");
    ASSERT_EQ(keys.size(), 2u) << what;
    expectRectNear(keys[0], rect(columnMid - 10, 8 * u, 20, 20), what);
    expectRectNear(keys[1], rect(columnMid - 10, 8 * u + 20 + 10 * u, 20, 20), what);
    // Drawing order: the bottom seam's dark and light lines, then the leading pair.
    std::vector<Rect> seams = framesOf(tree, "Rectangle");
    ASSERT_EQ(seams.size(), 4u) << what;
    Rect slot = framesOf(tree, "Ellipse").at(0);
    EXPECT_DOUBLE_EQ(slot.maxY(), 200 - 2 * u) << what;
    EXPECT_DOUBLE_EQ(slot.midX(), columnMid) << what;
    double seamTop = slot.minY() - 12 * u; // the lines and the padding make up bottomPad
    expectRectNear(seams[0], rect(lead, seamTop, column, w), what);
    expectRectNear(seams[1], rect(lead, seamTop + w, column, w), what);
    expectRectNear(seams[2], rect(0, 0, w, 200), what);
    expectRectNear(seams[3], rect(w, 0, w, 200), what);
  }
}

TEST(KeyRail, ASmallBottomPadLetsTheSlotRiseOverTheSeamAndNoKeysLeaveItAtTheBottom) {
  LaidOutTree tree = rail(0.5, 2); // 1 point of padding less 2 points of lines
  std::vector<Rect> seams = framesOf(tree, "Rectangle");
  EXPECT_DOUBLE_EQ(framesOf(tree, "Ellipse").at(0).minY(), seams[0].minY() + 1);
  LaidOutTree empty = rail(1, 12, false, 0);
  EXPECT_DOUBLE_EQ(framesOf(empty, "Ellipse").at(0).maxY(), 198);
  EXPECT_EQ(framesOf(empty, "Rectangle")[2], rect(0, 0, 1, 200));
}

TEST(KeyRail, CasingChangesOnlyTheSeamColours) {
  auto paints = [](const LaidOutTree &tree) {
    std::vector<Paint> result;
    for (const ShapeDraw &d : shapes(tree, "Rectangle"))
      result.push_back(d.paint);
    return result;
  };
  LaidOutTree graphite = rail(1, 12, false), cream = rail(1, 12, true);
  Paint g0 = ZavelTokens::graphiteSeam, g1 = ZavelTokens::graphiteSeamHi;
  Paint c0 = ZavelTokens::creamSeam, c1 = ZavelTokens::creamSeamHi;
  EXPECT_EQ(paints(graphite), (std::vector<Paint>{g0, g1, g0, g1}));
  EXPECT_EQ(paints(cream), (std::vector<Paint>{c0, c1, c0, c1}));
  EXPECT_EQ(framesOf(graphite, "Rectangle"), framesOf(cream, "Rectangle"));
}

} // namespace
} // namespace zavel
