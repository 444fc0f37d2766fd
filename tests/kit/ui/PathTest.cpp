#include "kit/ui/Path.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace kit::ui {
namespace {

Path circle(double r) {
  Path p;
  p.addEllipse({{0, 0}, {2 * r, 2 * r}});
  return p;
}

TEST(Path, TrimOfNothingIsEmptyAndTheWholeIsUnchanged) {
  Path ring = circle(10);
  for (auto [from, to] :
       {std::pair{0.3, 0.3}, {0.5, 0.2}, {std::nan(""), std::nan("")}, {-1.0, 0.0}})
    EXPECT_TRUE(ring.trimmed(from, to).isEmpty()) << from << " " << to;
  EXPECT_EQ(ring.trimmed(0, 1), ring);
  EXPECT_EQ(ring.trimmed(-3, 7), ring);
  EXPECT_NEAR(ring.trimmed(0.1, 0.35).length(), 0.25 * ring.length(), 0.01);
}

TEST(Path, LengthsOfLinesAndArcsThatTurnClockwiseOnScreenByDefault) {
  Path open;
  open.addLines({{0, 0}, {30, 0}, {30, 40}});
  EXPECT_DOUBLE_EQ(open.length(), 70);
  open.closeSubpath();
  EXPECT_DOUBLE_EQ(open.length(), 120);
  Path back;
  back.addArc({0, 0}, 10, Angle::degrees(0), Angle::degrees(90), false);
  EXPECT_NEAR(back.length(), std::numbers::pi * 15, 0.05); // the long way round
}

TEST(Path, NonFinitePointsAreDropped) {
  double nan = std::nan("");
  Path p;
  p.move({nan, 0});
  p.addLine({1, 1});
  p.addCurve({2, 2}, {nan, 1}, {1, 1});
  p.addArc({0, 0}, nan, Angle{0}, Angle{1});
  p.addArc({0, 0}, 3, Angle{0}, Angle{INFINITY});
  p.addQuadCurve({4, 4}, {3, 3});
  ASSERT_EQ(p.elements().size(), 2u);
  EXPECT_EQ(p.elements()[0].verb, Path::Verb::move);
  EXPECT_EQ(p.boundingRect(), (Rect{{1, 1}, {3, 3}}));
}

TEST(Path, ContainsByNonZeroWinding) {
  Path p;
  p.addRect({{0, 0}, {10, 10}});
  p.addRect({{2, 2}, {2, 2}});
  EXPECT_TRUE(p.contains({5, 5}));
  EXPECT_TRUE(p.contains({3, 3})); // same winding direction: still inside
  EXPECT_FALSE(p.contains({11, 5}));
  EXPECT_FALSE(p.contains({std::nan(""), 5}));
}

} // namespace
} // namespace kit::ui
