#include "RenderTesting.h"
#include "kit/ui/UI.h"

namespace kit::ui {
namespace {

using namespace testing;

TEST(ShapeRender, StrokeBorderStaysInsideItsShapeWhileAStrokeIsCentred) {
  auto inFrame = [](View v) { return v.frame(20, 20).frame(40, 40); };
  Image border = draw(inFrame(Rectangle().strokeBorder(Color::white, 4)), {40, 40}, 2);
  Image centred = draw(inFrame(Rectangle().stroke(Color::white, 4)), {40, 40}, 2);
  // The frame spans pixels 20 to 60 at scale 2.
  EXPECT_EQ(border.pixel(19, 40).alpha, 0);
  EXPECT_TRUE(near(border.pixel(21, 40), Color::white));
  EXPECT_TRUE(near(border.pixel(27, 40), Color::white));
  EXPECT_EQ(border.pixel(29, 40).alpha, 0);
  EXPECT_TRUE(near(centred.pixel(17, 40), Color::white));
  EXPECT_EQ(centred.pixel(25, 40).alpha, 0);
}

TEST(ShapeRender, StrokeStyleCapsJoinsAndDashes) {
  Path line;
  line.addLines({{10, 10}, {30, 10}});
  auto stroked = [&](StrokeStyle style) { return draw(Shape(line).stroke(red, style), {40, 20}); };
  Image butt = stroked({.lineWidth = 6});
  Image round = stroked({.lineWidth = 6, .lineCap = LineCap::round});
  EXPECT_EQ(butt.pixel(8, 10).alpha, 0);
  EXPECT_TRUE(near(round.pixel(8, 10), red));
  Image dashed = stroked({.lineWidth = 6, .dash = {4, 4}});
  EXPECT_TRUE(near(dashed.pixel(12, 10), red));
  EXPECT_EQ(dashed.pixel(16, 10).alpha, 0);
  EXPECT_TRUE(near(dashed.pixel(20, 10), red));
}

TEST(ShapeRender, CirclesCapsulesAndEllipsesFitTheirFrames) {
  Image circle = draw(Circle().fill(red), {60, 20});
  EXPECT_TRUE(near(circle.pixel(30, 10), red));
  EXPECT_EQ(circle.pixel(15, 10).alpha, 0);
  EXPECT_EQ(circle.pixel(21, 1).alpha, 0);
  Image capsule = draw(Capsule().fill(red), {60, 20});
  EXPECT_TRUE(near(capsule.pixel(5, 10), red));
  EXPECT_EQ(capsule.pixel(0, 0).alpha, 0);
  Image ellipse = draw(Ellipse().fill(red), {60, 20});
  EXPECT_TRUE(near(ellipse.pixel(2, 10), red, 0.3));
  EXPECT_EQ(ellipse.pixel(4, 2).alpha, 0);
}

TEST(ShapeRender, PathsWithSeveralSubpathsAndCurves) {
  Path path;
  path.addLines({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  path.closeSubpath();
  path.move({20, 10});
  path.addQuadCurve({40, 10}, {30, -10});
  path.closeSubpath();
  path.move({50, 0});
  path.addCurve({50, 10}, {60, 0}, {60, 10});
  path.closeSubpath();
  Image image = draw(Shape(path).fill(red), {70, 20});
  EXPECT_TRUE(near(image.pixel(5, 5), red));
  EXPECT_TRUE(near(image.pixel(30, 6), red));
  EXPECT_EQ(image.pixel(21, 2).alpha, 0);
  EXPECT_TRUE(near(image.pixel(54, 4), red));
  EXPECT_EQ(image.pixel(15, 5).alpha, 0);
}

TEST(ShapeRender, TrimmedRingStartsAtTwelveOClockAndAZeroArcDrawsNothing) {
  auto ring = [](double progress) {
    return Circle()
        .trim(0, progress)
        .stroke(red, StrokeStyle{.lineWidth = 8, .lineCap = LineCap::round})
        .rotation(Angle::degrees(-90));
  };
  Image quarter = draw(ring(0.25), {100, 100});
  EXPECT_TRUE(near(quarter.pixel(85, 15), red, 0.1)); // between 12 and 3 o'clock
  EXPECT_EQ(quarter.pixel(15, 85).alpha, 0);          // the other side
  EXPECT_EQ(quarter.pixel(15, 15).alpha, 0);
  for (double progress : {0.0, -1.0, std::nan("")}) {
    Image nothing = draw(ring(progress), {100, 100});
    for (int y = 0; y < 100; y += 2)
      for (int x = 0; x < 100; x += 2)
        ASSERT_EQ(nothing.pixel(x, y).alpha, 0) << progress << " at " << x << "," << y;
  }
}

// A continuous corner leaves the edges where a circular corner of 1.6 times its radius would,
// but stays closer to the square corner.
TEST(ShapeRender, ContinuousCornerLiesBetweenTheCircularCornerAndTheSquareOne) {
  auto corner = [](Shape shape) { return draw(shape.fill(Color::white), {120, 80}, 2); };
  Image continuous = corner(RoundedRectangle(20, RoundedCornerStyle::continuous));
  Image circular = corner(RoundedRectangle(32, RoundedCornerStyle::circular));
  Image square = corner(Rectangle());
  int between = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      double a = continuous.pixel(x, y).alpha;
      EXPECT_GE(a + 0.02, circular.pixel(x, y).alpha) << x << "," << y;
      EXPECT_LE(a, square.pixel(x, y).alpha + 0.02) << x << "," << y;
      between += a > circular.pixel(x, y).alpha + 0.5 && a > 0.5;
    }
  }
  EXPECT_GT(between, 20);
  EXPECT_EQ(continuous.pixel(2, 2).alpha, 0);
}

TEST(ShapeRender, CanvasFillsAndStrokesInTheForeground) {
  View glyph = Canvas([](GraphicsContext &g, Size size) {
                 Path box;
                 box.addRect({{0, 0}, {size.width / 2, size.height}});
                 g.fill(box);
                 Path line;
                 line.addLines({{size.width * 0.75, 0}, {size.width * 0.75, size.height}});
                 g.stroke(line, blue, {.lineWidth = 4});
               }).foreground(green);
  Image image = draw(glyph.frame(40, 20), {40, 20});
  EXPECT_TRUE(near(image.pixel(10, 10), green));
  EXPECT_TRUE(near(image.pixel(30, 10), blue));
  EXPECT_EQ(image.pixel(25, 10).alpha, 0);
}

} // namespace
} // namespace kit::ui
