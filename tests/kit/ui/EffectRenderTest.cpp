#include "RenderTesting.h"
#include "kit/ui/Png.h"
#include "kit/ui/UI.h"
#include "kit/ui/drawing/StaticLayerCache.h"

#include <cairo.h>

namespace kit::ui {
namespace {

using namespace testing;

TEST(EffectRender, ClipShapeMaskOpacityAndTransformsShapeTheContent) {
  constexpr Color clear = Color::clear;
  View square = Rectangle().fill(red);
  expectPixels(draw(square.clipShape(Circle()), {100, 100}), {{50, 50, red}, {5, 5, clear}});
  // Opacity applies to the composed group, not to each layer.
  View overlapping = ZStack({square, Rectangle().fill(blue).frame(10, 10)});
  expectPixels(draw(overlapping.opacity(0.5), {20, 20}),
               {{10, 10, blue.opacity(0.5)}, {1, 1, red.opacity(0.5)}});
  expectPixels(draw(overlapping.opacity(0), {20, 20}), {{10, 10, clear}});
}

TEST(EffectRender, ShadowFollowsItsOffsetBeneathTheContent) {
  View square = Rectangle().fill(red).frame(20, 20);
  // The content, only the shadow, and nothing on the other side.
  expectPixels(
      draw(square.shadow(Color::black, 0, 10, 10), {60, 60}),
      {{30, 30, red}, {45, 45, Color::black}, {15, 45, Color::clear}, {18, 18, Color::clear}});
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
      Rectangle().fill(blue).frame(10, 10).scale(nan, infinity),
      Text("x").blur(nan).shadow(Color{nan, 0, 0, nan}, -infinity, nan, infinity),
      RoundedRectangle(nan).fill(LinearGradient{{blue, red}, {nan, 0}, {0, infinity}}).frame(2, 2),
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
  EXPECT_EQ(encodePng(first), encodePng(reference));
  EXPECT_EQ(encodePng(second), encodePng(reference));
  draw(cached, {50, 40}, 3);
  EXPECT_EQ(cache.rasterizations(), before + 2);
}

} // namespace
} // namespace kit::ui
