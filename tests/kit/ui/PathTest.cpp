#include "kit/ui/Path.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
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

TEST(Path, BoundsHoldTheCurveNotItsControlPoints) {
  Path quad, cubic, arc, afterClose;
  quad.move({0, 0});
  quad.addQuadCurve({100, 0}, {50, 100}); // peaks halfway up to its control point
  cubic.move({0, 0});
  cubic.addCurve({100, 0}, {-100, 100}, {200, 100});
  // One cubic for the quarter turn: its control points stand out past the circle's top.
  arc.addArc({0, 0}, 10, Angle::degrees(45), Angle::degrees(135));
  afterClose.addLines({{0, 0}, {10, 0}, {10, 10}});
  afterClose.closeSubpath();
  afterClose.addQuadCurve({0, 10}, {-10, -20}); // from the closed sub-path's start
  double s = std::sqrt(50.0), r2 = std::sqrt(2.0);
  const struct {
    const char *name;
    Path path;
    Rect bounds;
  } cases[] = {
      {.name = "quadratic", .path = quad, .bounds = {{0, 0}, {100, 50}}},
      // x turns at t = (2 ± √2)/4, to 50 ∓ 50√2, and y at t = 1/2.
      {.name = "cubic", .path = cubic, .bounds = {{50 - 50 * r2, 0}, {100 * r2, 75}}},
      {.name = "arc", .path = arc, .bounds = {{-s, s}, {2 * s, 10 - s}}},
      {.name = "after a close", .path = afterClose, .bounds = {{-5, -8}, {15, 18}}},
  };
  for (const auto &c : cases) {
    Rect b = c.path.boundingRect();
    EXPECT_NEAR(b.minX(), c.bounds.minX(), 1e-5) << c.name;
    EXPECT_NEAR(b.minY(), c.bounds.minY(), 1e-5) << c.name;
    EXPECT_NEAR(b.maxX(), c.bounds.maxX(), 1e-5) << c.name;
    EXPECT_NEAR(b.maxY(), c.bounds.maxY(), 1e-5) << c.name;
  }
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

TEST(Path, DistanceToTheOutlineIncludesClosingSegmentsAndCurves) {
  Path square, open;
  square.addRect({{0, 0}, {10, 10}});
  open.move({0, 0});
  open.addLine({10, 0});
  open.addLine({10, 10});
  struct Case {
    const char *name;
    const Path &path;
    Point point;
    double distance;
  };
  const Path ring = circle(10), none;
  for (const Case &c : {
           Case{.name = "inside a square", .path = square, .point = {3, 5}, .distance = 3},
           Case{.name = "on its closing side", .path = square, .point = {0, 4}, .distance = 0},
           Case{.name = "beside an open path's gap", .path = open, .point = {0, 5}, .distance = 5},
           Case{.name = "beyond a corner", .path = square, .point = {13, 14}, .distance = 5},
           Case{.name = "a circle's centre", .path = ring, .point = {10, 10}, .distance = 10},
           Case{.name = "outside a circle", .path = ring, .point = {10, 22}, .distance = 2},
       })
    EXPECT_NEAR(c.path.distanceTo(c.point), c.distance, 0.05) << c.name; // curves as flattened
  EXPECT_EQ(none.distanceTo({0, 0}), std::numeric_limits<double>::infinity());
  EXPECT_EQ(square.distanceTo({std::nan(""), 0}), std::numeric_limits<double>::infinity());
}

} // namespace
} // namespace kit::ui
