#include "RenderTesting.h"
#include "kit/ui/UI.h"
#include "kit/ui/drawing/StaticLayerCache.h"

#include <cairo.h>

namespace kit::ui {
namespace {

using namespace testing;

TEST(EffectRender, ClipShapeAndMaskCutTheContent) {
  Image clipped = draw(Rectangle().fill(red).clipShape(Circle()), {100, 100});
  EXPECT_TRUE(near(clipped.pixel(50, 50), red));
  EXPECT_EQ(clipped.pixel(5, 5).alpha, 0);
  Image masked = draw(Rectangle().fill(red).mask(Circle()), {100, 100});
  EXPECT_TRUE(near(masked.pixel(50, 50), red));
  EXPECT_EQ(masked.pixel(5, 5).alpha, 0);
  Image faded =
      draw(Rectangle().fill(red).mask(Rectangle().fill(Color::black.opacity(0.25))), {10, 10});
  EXPECT_NEAR(faded.pixel(5, 5).alpha, 0.25, 0.01);
}

TEST(EffectRender, OpacityAppliesToTheComposedGroup) {
  View overlapping = ZStack({Rectangle().fill(red), Rectangle().fill(blue).frame(10, 10)});
  Image image = draw(overlapping.opacity(0.5), {20, 20});
  EXPECT_TRUE(near(image.pixel(10, 10), blue.opacity(0.5)));
  EXPECT_TRUE(near(image.pixel(1, 1), red.opacity(0.5)));
  EXPECT_EQ(draw(overlapping.opacity(0), {20, 20}).pixel(10, 10).alpha, 0);
}

TEST(EffectRender, BlurFallsOffAsAGaussianAcrossAnEdge) {
  Image image = draw(Rectangle().fill(Color::white).frame(60, 60).blur(5), {100, 100}, 1);
  // The square's left edge is at x = 20; with sigma 5 the alpha follows the normal curve.
  struct Probe {
    int x;
    double alpha;
  };
  for (auto [x, alpha] : {Probe{4, 0.0}, Probe{14, 0.136}, Probe{19, 0.46}, Probe{24, 0.79},
                          Probe{34, 1.0}, Probe{50, 1.0}})
    EXPECT_NEAR(image.pixel(x, 50).alpha, alpha, 0.05) << x;
  double previous = 0;
  for (int x = 0; x < 40; ++x) {
    EXPECT_GE(image.pixel(x, 50).alpha + 1e-9, previous);
    previous = image.pixel(x, 50).alpha;
  }
}

TEST(EffectRender, ShadowFollowsItsOffsetBeneathTheContent) {
  View square = Rectangle().fill(red).frame(20, 20).shadow(Color::black, 0, 10, 10);
  Image image = draw(square, {60, 60});
  EXPECT_TRUE(near(image.pixel(30, 30), red));          // the content
  EXPECT_TRUE(near(image.pixel(45, 45), Color::black)); // only the shadow
  EXPECT_EQ(image.pixel(15, 45).alpha, 0);
  EXPECT_EQ(image.pixel(18, 18).alpha, 0); // nothing on the other side
  Image soft = draw(Rectangle().fill(red).frame(20, 20).shadow(Color::black.opacity(0.5), 3, 0, 6),
                    {60, 60}, 2);
  EXPECT_NEAR(soft.pixel(60, 2 * 46).alpha, 0.25, 0.06); // the shadow's lower edge, half-way
  EXPECT_NEAR(soft.pixel(60, 2 * 43).alpha, 0.42, 0.06); // one deviation inside it
  EXPECT_LT(soft.pixel(60, 2 * 52).alpha, 0.02);         // two deviations outside
}

TEST(EffectRender, RotationAndScaleTurnAboutTheAnchor) {
  View bar = Rectangle().fill(red).frame(40, 4);
  Image turned = draw(bar.rotation(Angle::degrees(90)), {40, 40});
  EXPECT_TRUE(near(turned.pixel(20, 5), red));
  EXPECT_EQ(turned.pixel(5, 20).alpha, 0);
  Image scaled =
      draw(Rectangle().fill(red).frame(10, 10).scale(2, 2, UnitPoint::topLeading), {40, 40});
  EXPECT_TRUE(near(scaled.pixel(30, 30), red));
  EXPECT_EQ(scaled.pixel(14, 14).alpha, 0);
}

TEST(EffectRender, UnusableNumbersNeitherBreakTheContextNorSpreadGarbage) {
  double nan = std::nan("");
  View hostile = ZStack({
      Rectangle().fill(red).frame(10, 10).offset(nan, infinity),
      Circle()
          .stroke(blue, StrokeStyle{.lineWidth = nan, .miterLimit = -4, .dash = {-1, nan}})
          .rotation(Angle{nan})
          .frame(10, 10),
      Circle().stroke(blue, StrokeStyle{.lineWidth = 2, .dash = {0, 0}}).frame(10, 10),
      Rectangle().fill(blue).frame(10, 10).scale(0),
      Rectangle().fill(blue).frame(10, 10).scale(nan, infinity),
      Text("x").blur(nan).shadow(Color{nan, 0, 0, nan}, -infinity, nan, infinity),
      RoundedRectangle(nan).fill(LinearGradient{{blue, red}, {nan, 0}, {0, infinity}}).frame(2, 2),
      Rectangle().fill(RadialGradient{{red, blue}, UnitPoint::center, -5, nan}).frame(2, 2),
      Rectangle().fill(EllipticalGradient{{red, blue}, UnitPoint::center, 0, nan}).frame(0, 0),
      Rectangle().fill(red).opacity(nan).frame(4, 4).offset(-20, -20),
      Rectangle().fill(green).frame(6, 6).offset(20, 20),
  });
  Image image = draw(hostile, {60, 60});
  EXPECT_EQ(cairo_surface_status(image.surface()), CAIRO_STATUS_SUCCESS);
  EXPECT_TRUE(near(image.pixel(50, 50), green)); // drawn after every hostile layer
  EXPECT_TRUE(near(image.pixel(10, 10), red));   // an unusable opacity leaves the view opaque
  EXPECT_EQ(image.pixel(2, 58).alpha, 0);
}

TEST(EffectRender, StaticLayersAreRasterisedOncePerKeyAndCopiedExactly) {
  auto &cache = drawing::StaticLayerCache::shared();
  View casing = ZStack({Rectangle().fill(LinearGradient{{red, blue}}).shadow(Color::black, 2, 0, 1),
                        Circle().strokeBorder(Color::white, 3)});
  View cached = ZStack({casing.staticLayer("casing-test").padding(3.3), Text("live")});
  View direct = ZStack({casing.padding(3.3), Text("live")});
  std::size_t before = cache.rasterizations();
  Image first = draw(cached, {50, 40}, 2);
  Image second = draw(cached, {50, 40}, 2);
  Image reference = draw(direct, {50, 40}, 2);
  EXPECT_EQ(cache.rasterizations(), before + 1);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 100; ++x) {
      ASSERT_EQ(first.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
      ASSERT_EQ(second.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
    }
  draw(cached, {50, 40}, 3);
  EXPECT_EQ(cache.rasterizations(), before + 2);
}

TEST(EffectRender, TheWidgetOutlineLeavesItsCornersTransparent) {
  Image image = draw(View(red), {170, 170}, 2, true);
  EXPECT_EQ(image.width(), 340);
  EXPECT_EQ(image.pixel(0, 0).alpha, 0);
  EXPECT_EQ(image.pixel(339, 339).alpha, 0);
  EXPECT_EQ(image.pixel(8, 8).alpha, 0);
  EXPECT_TRUE(near(image.pixel(170, 1), red));
  EXPECT_TRUE(near(image.pixel(170, 170), red));
  EXPECT_TRUE(near(image.pixel(40, 40), red));
}

} // namespace
} // namespace kit::ui
