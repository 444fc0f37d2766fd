#include "HardwareTesting.h"
#include "Shared/Views/Hardware/SunArc.h"
#include "Shared/Views/Hardware/SunCloudArt.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(SunArc, SunSitsOnTheArchAtItsFractionHeldToTheFeet) {
  // Height 40 at u = 0.5 in a 150 point wide area: h = 20, the feet 3 in from the corners.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto [t, center] :
       {std::pair{0.0, Point{3, 17}},
        {0.5, {75, 0.225 * 20 - 1.5}},
        {0.25, {0.5625 * 3 + 0.375 * 75 + 0.0625 * 147, 0.625 * 17 + 0.375 * -11}},
        {1.4, {147, 17}},
        {-0.2, {3, 17}},
        {nan, {3, 17}}}) {
    LaidOutTree tree = lay(SunArc(t, 40, 8, context(0.5)), {150, 20});
    std::vector<Rect> discs = kit::ui::testing::framesOf(tree, "Circle");
    ASSERT_EQ(discs.size(), 2u);
    std::string what = "t " + std::to_string(t);
    expectPointNear({discs[0].midX(), discs[0].midY()}, center, what); // halo
    expectPointNear({discs[1].midX(), discs[1].midY()}, center, what); // sun
    EXPECT_DOUBLE_EQ(discs[1].size.width, 8) << what;                  // 2 × 8 × 0.5
  }
}

TEST(SunArc, ArchRunsFootToFootWithItsTopInsideTheArea) {
  LaidOutTree tree = lay(SunArc(0.3, 40, 8, context(0.5)), {150, 20});
  std::vector<Path::Polyline> lines =
      tree.root.findAll("Path").at(0)->as<ShapeDraw>()->path.flattened(0.001);
  ASSERT_EQ(lines.size(), 1u);
  expectPointNear(lines[0].points.front(), {3, 17}, "leading foot");
  expectPointNear(lines[0].points.back(), {147, 17}, "trailing foot");
  double top = 20;
  for (Point p : lines[0].points)
    top = std::min(top, p.y);
  EXPECT_NEAR(top, 3, 1e-3);
}

TEST(SunCloudArt, PartsLieAtTheirPlacesReachingBelowTheFrameUnclippedOnEitherCasing) {
  struct Case {
    bool large;
    Size frame;
    std::vector<Rect> parts; // sun, big puff, small puff, the cloud base
  };
  for (const Case &c : {Case{true,
                             {120, 86},
                             {rect(64, 16, 54, 54), rect(24, 47, 42, 42), rect(54, 55, 30, 30),
                              rect(12, 66, 96, 36)}},
                        Case{false,
                             {76, 54},
                             {rect(38, 10, 34, 34), rect(16, 30, 26, 26), rect(35, 35, 18, 18),
                              rect(8, 42, 60, 22)}}}) {
    std::string what = c.large ? "large" : "small";
    LaidOutTree tree = lay(SunCloudArt(c.large, context(1)), c.frame);
    std::vector<Rect> parts = kit::ui::testing::framesOf(tree, "Circle");
    parts.push_back(tree.root.findAll("RoundedRectangle").at(0)->frame);
    ASSERT_EQ(parts.size(), 4u) << what;
    for (std::size_t i = 0; i < 4; ++i)
      expectRectNear(parts[i], c.parts[i], what);
    EXPECT_TRUE(tree.root.findAll("Clip").empty()) << what;
    LaidOutTree cream = lay(SunCloudArt(c.large, context(1, ZavelSize::s, true)), c.frame);
    EXPECT_EQ(shapes(tree, "Circle"), shapes(cream, "Circle")) << what;
  }
  // Half the unit, half the sizes.
  expectRectNear(lay(SunCloudArt(true, context(0.5)), {60, 43}).root.findAll("Circle").at(0)->frame,
                 rect(32, 8, 27, 27), "large at u 0.5");
}

} // namespace
} // namespace zavel
