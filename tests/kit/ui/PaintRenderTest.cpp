#include "RenderTesting.h"
#include "kit/ui/UI.h"

namespace kit::ui {
namespace {

using namespace testing;

TEST(PaintRender, LinearGradientHoldsItsEndColoursBeyondItsEnds) {
  Image image =
      draw(Rectangle().fill(LinearGradient{{red, blue}, {0.25, 0.5}, {0.75, 0.5}}), {100, 10});
  struct Probe {
    int x;
    Color expected;
  };
  for (auto [x, expected] : {Probe{2, red}, Probe{25, red}, Probe{50, mix(red, blue, 0.5)},
                             Probe{75, blue}, Probe{98, blue}})
    EXPECT_TRUE(near(image.pixel(x, 5), expected, 0.03)) << x;
}

TEST(PaintRender, GradientStopsAtTheirLocations) {
  Gradient stops{{Color::clear, 0.55}, {blue, 1}};
  Image image =
      draw(Rectangle().fill(LinearGradient{stops, UnitPoint::top, UnitPoint::bottom}), {10, 100});
  EXPECT_EQ(image.pixel(5, 40).alpha, 0);
  EXPECT_TRUE(near(image.pixel(5, 99), blue, 0.03));
  EXPECT_NEAR(image.pixel(5, 77).alpha, 0.5, 0.03);
}

TEST(PaintRender, RadialGradientUsesPointRadii) {
  Image image =
      draw(Rectangle().fill(RadialGradient{{red, blue}, UnitPoint::center, 0, 50}), {100, 100});
  EXPECT_TRUE(near(image.pixel(50, 50), red, 0.03));
  EXPECT_TRUE(near(image.pixel(75, 50), mix(red, blue, 0.5), 0.03));
  EXPECT_TRUE(near(image.pixel(1, 1), blue));
}

TEST(PaintRender, EllipticalGradientStretchesTheUnitSquareToTheBounds) {
  EllipticalGradient glow{{red, blue}, {0.5, 0}, 0, 1.1};
  Image image = draw(Rectangle().fill(glow), {200, 100});
  EXPECT_TRUE(near(image.pixel(100, 0), red, 0.03));
  Color quarter = mix(red, blue, 0.25);
  // A quarter of the way out lies at 55 points across but 27.5 down.
  EXPECT_TRUE(near(image.pixel(155, 0), quarter, 0.03));
  EXPECT_TRUE(near(image.pixel(100, 27), quarter, 0.03));
  // The bottom corners lie just beyond the end: padded.
  EXPECT_TRUE(near(image.pixel(0, 99), blue, 0.03));
}

TEST(PaintRender, AngularGradientTurnsClockwiseFromTheRight) {
  Image image = draw(Rectangle().fill(AngularGradient{{red, blue}}), {100, 100});
  EXPECT_TRUE(near(image.pixel(95, 51), red, 0.05));
  EXPECT_TRUE(near(image.pixel(50, 95), mix(red, blue, 0.25), 0.05));
  EXPECT_TRUE(near(image.pixel(5, 50), mix(red, blue, 0.5), 0.05));
  EXPECT_TRUE(near(image.pixel(50, 5), mix(red, blue, 0.75), 0.05));
}

TEST(PaintRender, MaterialDependsOnTheColourScheme) {
  Image light = draw(View(Material::ultraThin), {4, 4});
  EXPECT_TRUE(near(light.pixel(1, 1), Color::black.opacity(0.06), 0.01));
  Image dark = draw(View(Material::ultraThin).colorScheme(ColorScheme::dark), {4, 4});
  EXPECT_TRUE(near(dark.pixel(1, 1), Color::white.opacity(0.18), 0.01));
}

TEST(PaintRender, TextDrawsInItsForeground) {
  Image image =
      draw(Text("ab").foreground(green).frame(Frame::fill(Alignment::topLeading)), {40, 30});
  EXPECT_TRUE(near(image.pixel(2, 2), green));
  EXPECT_EQ(image.pixel(38, 28).alpha, 0);
}

} // namespace
} // namespace kit::ui
