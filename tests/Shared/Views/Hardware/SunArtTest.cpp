#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/SunArc.h"
#include "Shared/Views/Hardware/SunCloudArt.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Height 40 at u = 0.5 in a 150 point wide area: h = 20, m = 3.
LaidOutTree arc(double t) { return lay(SunArc(t, 40, 8, context(0.5)), {150, 20}); }

TEST(SunArc, SunSitsOnTheArchAtItsFraction) {
  struct Case {
    double t;
    Point center;
  };
  for (const Case &c : {
           Case{0, {3, 17}},
           Case{1, {147, 17}},
           Case{0.5, {75, 0.225 * 20 - 1.5}},
           Case{0.25, {0.5625 * 3 + 0.375 * 75 + 0.0625 * 147, 0.625 * 17 + 0.375 * -11}},
           Case{1.4, {147, 17}},
           Case{-0.2, {3, 17}},
           Case{nan, {3, 17}},
       }) {
    LaidOutTree tree = arc(c.t);
    std::vector<const LaidOutNode *> discs = tree.root.findAll("Circle");
    ASSERT_EQ(discs.size(), 2u);
    Rect halo = discs[0]->frame, sun = discs[1]->frame;
    std::string what = "t " + std::to_string(c.t);
    expectPointNear({sun.midX(), sun.midY()}, c.center, what);
    expectPointNear({halo.midX(), halo.midY()}, c.center, what);
    EXPECT_DOUBLE_EQ(sun.size.width, 8) << what;     // 2 × 8 × 0.5
    EXPECT_DOUBLE_EQ(halo.size.width, 14.8) << what; // 3.7 × 8 × 0.5
    EXPECT_EQ(discs[0]->as<ShapeDraw>()->paint, Paint{ZavelTokens::sunYellow.opacity(0.16)});
    EXPECT_EQ(discs[1]->as<ShapeDraw>()->paint, Paint{ZavelTokens::sunYellow});
  }
}

TEST(SunArc, ArchRunsFootToFootWithItsTopInsideTheArea) {
  LaidOutTree tree = arc(0.3);
  const ShapeDraw &arch = *tree.root.findAll("Path").at(0)->as<ShapeDraw>();
  EXPECT_EQ(arch.stroke, (StrokeStyle{.lineWidth = 1}));
  EXPECT_EQ(arch.paint, Paint{ZavelTokens::arcStroke});
  std::vector<Path::Polyline> lines = arch.path.flattened(0.001);
  ASSERT_EQ(lines.size(), 1u);
  expectPointNear(lines[0].points.front(), {3, 17}, "leading foot");
  expectPointNear(lines[0].points.back(), {147, 17}, "trailing foot");
  double top = 20;
  for (Point p : lines[0].points)
    top = std::min(top, p.y);
  EXPECT_NEAR(top, 3, 1e-3);
}

TEST(SunCloudArt, PartsLieAtTheirPlacesInTheFrame) {
  struct Case {
    bool large;
    double u;
    Rect frame;
    std::vector<Rect> parts; // sun, big puff, small puff; then the cloud base
  };
  for (const Case &c : {
           Case{true,
                1,
                rect(0, 0, 120, 86),
                {rect(64, 16, 54, 54), rect(24, 47, 42, 42), rect(54, 55, 30, 30),
                 rect(12, 66, 96, 36)}},
           Case{false,
                1,
                rect(0, 0, 76, 54),
                {rect(38, 10, 34, 34), rect(16, 30, 26, 26), rect(35, 35, 18, 18),
                 rect(8, 42, 60, 22)}},
           Case{true,
                0.5,
                rect(0, 0, 60, 43),
                {rect(32, 8, 27, 27), rect(12, 23.5, 21, 21), rect(27, 27.5, 15, 15),
                 rect(6, 33, 48, 18)}},
       }) {
    std::string what = std::string(c.large ? "large" : "small") + " u " + std::to_string(c.u);
    LaidOutTree tree = lay(SunCloudArt(c.large, context(c.u)), c.frame.size);
    std::vector<Rect> circles = kit::ui::testing::framesOf(tree, "Circle");
    ASSERT_EQ(circles.size(), 3u) << what;
    for (std::size_t i = 0; i < 3; ++i)
      expectRectNear(circles[i], c.parts[i], what);
    const LaidOutNode *base = tree.root.findAll("RoundedRectangle").at(0);
    expectRectNear(base->frame, c.parts[3], what);
    // Reaches below the frame: nothing is clipped.
    EXPECT_GT(base->frame.maxY(), c.frame.maxY()) << what;
    EXPECT_TRUE(tree.root.findAll("Clip").empty()) << what;
  }
}

TEST(SunCloudArt, SunIsARadialGlowAndTheCloudGrey) {
  LaidOutTree tree = lay(SunCloudArt(true, context(1)), {120, 86});
  std::vector<ShapeDraw> circles = shapes(tree, "Circle");
  RadialGradient glow{{ZavelTokens::sunCoreA, ZavelTokens::sunCoreB}, {0.35, 0.3}, 0, 37.8};
  EXPECT_EQ(circles[0].paint, Paint{glow});
  EXPECT_EQ(circles[1].paint, Paint{ZavelTokens::cloudGray});
  EXPECT_EQ(circles[2].paint, Paint{ZavelTokens::cloudGray});
  ShapeDraw base = shapes(tree, "RoundedRectangle").at(0);
  EXPECT_EQ(base.paint, Paint{ZavelTokens::cloudGray});
  EXPECT_EQ(base.path,
            RoundedRectangle(18, RoundedCornerStyle::circular).path(rect(12, 66, 96, 36)));
}

TEST(SunCloudArt, LooksTheSameOnEitherCasing) {
  for (bool large : {true, false}) {
    LaidOutTree graphite = lay(SunCloudArt(large, context(1, ZavelSize::s, false)), {120, 86});
    LaidOutTree cream = lay(SunCloudArt(large, context(1, ZavelSize::s, true)), {120, 86});
    EXPECT_EQ(shapes(graphite, "Circle"), shapes(cream, "Circle"));
    EXPECT_EQ(shapes(graphite, "RoundedRectangle"), shapes(cream, "RoundedRectangle"));
  }
}

} // namespace
} // namespace zavel
