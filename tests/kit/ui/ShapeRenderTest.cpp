#include "RenderTesting.h"
#include "kit/ui/UI.h"

namespace kit::ui {
namespace {

using namespace testing;

constexpr Color clear = Color::clear, white = Color::white;

TEST(ShapeRender, StrokeBorderStaysInsideItsShapeWhileAStrokeIsCentred) {
  auto inFrame = [](View v) { return draw(v.frame(20, 20).frame(40, 40), {40, 40}, 2); };
  // The frame spans pixels 20 to 60 at scale 2.
  expectPixels(inFrame(Rectangle().strokeBorder(white, 4)),
               {{19, 40, clear}, {21, 40, white}, {27, 40, white}, {29, 40, clear}});
  expectPixels(inFrame(Rectangle().stroke(white, 4)), {{17, 40, white}, {25, 40, clear}});
}

TEST(ShapeRender, StrokeStyleCapsJoinsAndDashes) {
  Path line;
  line.addLines({{10, 10}, {30, 10}});
  auto stroked = [&](StrokeStyle style) { return draw(Shape(line).stroke(red, style), {40, 20}); };
  expectPixels(stroked({.lineWidth = 6}), {{8, 10, clear}});
  expectPixels(stroked({.lineWidth = 6, .lineCap = LineCap::round}), {{8, 10, red}});
  expectPixels(stroked({.lineWidth = 6, .dash = {4, 4}}),
               {{12, 10, red}, {16, 10, clear}, {20, 10, red}});
}

TEST(ShapeRender, QuadraticCurvesReachHalfWayToTheirControlPoint) {
  Path path;
  path.move({20, 15});
  path.addQuadCurve({40, 15}, {30, -5}); // its peak lies at y = 5
  path.closeSubpath();
  expectPixels(draw(Shape(path).fill(red), {60, 20}), {{30, 6, red}, {30, 3, clear}});
}

TEST(ShapeRender, TrimmedRingStartsAtTwelveOClockAndAZeroArcDrawsNothing) {
  auto ring = [](double progress) {
    return draw(Circle()
                    .trim(0, progress)
                    .stroke(red, StrokeStyle{.lineWidth = 8, .lineCap = LineCap::round})
                    .rotation(Angle::degrees(-90)),
                {100, 100});
  };
  // Between 12 and 3 o'clock, and nothing on the other side.
  expectPixels(ring(0.25), {{85, 15, red}, {15, 85, clear}, {15, 15, clear}}, 0.1);
  // Round caps of an empty arc would leave a dot at 3 o'clock.
  for (double progress : {0.0, std::nan("")})
    expectPixels(ring(progress), {{96, 50, clear}, {50, 4, clear}}, 0);
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
  expectPixels(draw(glyph, {40, 20}), {{10, 10, green}, {30, 10, blue}, {25, 10, clear}});
}

} // namespace
} // namespace kit::ui
