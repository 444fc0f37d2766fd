#include "HardwareTesting.h"
#include "Shared/Views/Hardware/SunArc.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(SunArc, SunSitsOnTheArchAtItsFractionHeldToTheFeet) {
  // Height 40 at u = 0.5 in a 150 point wide area: h = 20, the feet 3 in from the corners.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto [t, center] : {std::pair{0.5, Point{75, 0.225 * 20 - 1.5}},
                           {1.4, {147, 17}},
                           {-0.2, {3, 17}},
                           {nan, {3, 17}}}) {
    LaidOutTree tree = lay(SunArc(t, 40, 8, context(0.5)), {150, 20});
    std::vector<Rect> discs = kit::ui::testing::framesOf(tree, "Circle");
    ASSERT_EQ(discs.size(), 2u);
    std::string what = "t " + std::to_string(t);
    expectPointNear({discs[1].midX(), discs[1].midY()}, center, what); // the sun, over its halo
    EXPECT_EQ(discs[0].midX(), discs[1].midX()) << what;
    EXPECT_DOUBLE_EQ(discs[1].size.width, 8) << what; // 2 × 8 × 0.5
  }
}

} // namespace
} // namespace zavel
