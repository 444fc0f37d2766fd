#include "Shared/Views/Hardware/KeyRail.h"
#include "HardwareTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::ui::testing::framesOf;

// Keys are 20 × 20 circles, the bottom slot a 30 × 10 ellipse; the rail stands in a 200 point
// tall widget as wide as itself.
LaidOutTree rail(double u, double bottomPad) {
  std::vector<View> keys(2, Circle().frame(20, 20));
  ZCtx ctx = context(u, ZavelSize::m);
  return lay(KeyRail(84, 12, 8, 10, bottomPad, ctx, Group(keys), Ellipse().frame(30, 10)),
             {84 * u, 200});
}

TEST(KeyRail, KeysFromTheTopSlotAtTheBottomSeamsAtLeastAPoint) {
  for (auto [u, w] : {std::pair{0.5, 1.0}, {2.0, 2.0}}) {
    LaidOutTree tree = rail(u, 12);
    std::vector<Rect> keys = framesOf(tree, "Circle"), seams = framesOf(tree, "Rectangle");
    ASSERT_EQ(seams.size(), 4u) << u; // the bottom seam's two lines, then the leading pair
    EXPECT_DOUBLE_EQ(keys.at(1).minY() - keys.at(0).maxY(), 10 * u) << u;
    Rect slot = framesOf(tree, "Ellipse").at(0);
    EXPECT_DOUBLE_EQ(slot.maxY(), 200 - 2 * u) << u;
    EXPECT_DOUBLE_EQ(slot.minY() - seams[0].minY(), 12 * u) << u; // the lines are in the pad
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_DOUBLE_EQ(i < 2 ? seams[i].size.height : seams[i].size.width, w) << u << " " << i;
  }
}

} // namespace
} // namespace zavel
