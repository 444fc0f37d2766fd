#include "RenderTesting.h"
#include "kit/ui/HitTest.h"
#include "kit/ui/Png.h"
#include "kit/ui/UI.h"
#include "kit/ui/drawing/StaticLayerCache.h"

#include <cairo.h>

namespace kit::ui {
namespace {

using namespace testing;

TEST(EffectRender, ClipShapeOpacityRotationAndScaleShapeTheContent) {
  constexpr Color clear = Color::clear;
  View square = Rectangle().fill(red);
  View overlapping = ZStack({square, Rectangle().fill(blue).frame(10, 10)});
  View bar = Rectangle().fill(red).frame(40, 10);
  View corner = Rectangle().fill(red).frame(10, 10).frame(40, 40, Alignment::topLeading);
  const struct {
    const char *name;
    View view;
    Size size;
    std::vector<Probe> probes;
  } cases[] = {
      {.name = "a clip shape cuts the corners off",
       .view = square.clipShape(Circle()),
       .size = {100, 100},
       .probes = {{50, 50, red}, {5, 5, clear}}},
      // Opacity applies to the composed group, not to each layer.
      {.name = "opacity fades the group as one",
       .view = overlapping.opacity(0.5),
       .size = {20, 20},
       .probes = {{10, 10, blue.opacity(0.5)}, {1, 1, red.opacity(0.5)}}},
      {.name = "no opacity draws nothing",
       .view = overlapping.opacity(0),
       .size = {20, 20},
       .probes = {{10, 10, clear}}},
      {.name = "a quarter turn stands a bar up about its centre",
       .view = bar.rotation(Angle::degrees(90)),
       .size = {60, 60},
       .probes = {{30, 12, red}, {30, 47, red}, {12, 30, clear}, {47, 30, clear}}},
      {.name = "an eighth of a turn lays a bar on the diagonal, clockwise on screen",
       .view = bar.rotation(Angle::degrees(45)),
       .size = {60, 60},
       .probes = {{42, 42, red}, {18, 18, red}, {42, 18, clear}, {18, 42, clear}}},
      {.name = "a scale about a corner grows away from it",
       .view = corner.scale(2, UnitPoint::topLeading),
       .size = {40, 40},
       .probes = {{2, 2, red}, {18, 18, red}, {22, 5, clear}, {5, 22, clear}}},
      {.name = "a scale of each axis about the centre",
       .view = Rectangle().fill(red).frame(10, 10).scale(3, 0.5),
       .size = {40, 40},
       .probes = {{6, 20, red}, {33, 20, red}, {4, 20, clear}, {20, 16, clear}}},
  };
  for (const auto &c : cases)
    expectPixels(draw(c.view, c.size), c.probes, 0.02, c.name);
}

// A clock hand: a bar offset up so its end sits on the dial's centre, then turned. It pivots on
// its unmoved frame's centre, where it is drawn and where it is pressed.
TEST(EffectRender, AnOffsetViewTurnsAboutItsUnmovedCentre) {
  constexpr Color clear = Color::clear;
  const struct {
    const char *name;
    double degrees;
    Point tip;
    Point opposite;
  } cases[] = {
      {.name = "noon", .degrees = 0, .tip = {50, 15}, .opposite = {50, 85}},
      {.name = "a quarter turn points right", .degrees = 90, .tip = {85, 50}, .opposite = {15, 50}},
      {.name = "half a turn points down", .degrees = 180, .tip = {50, 85}, .opposite = {50, 15}},
  };
  for (const auto &c : cases) {
    View hand = Button({"Hand", nlohmann::json::object()}, Rectangle().fill(red).frame(4, 40))
                    .offset(0, -20)
                    .rotation(Angle::degrees(c.degrees));
    View dial = ZStack({Color::clear, hand}).frame(100, 100);
    LaidOutTree tree = lay(dial, {100, 100});
    Image image = render(tree, RenderOptions{.scale = 1, .clipToWidgetOutline = false});
    expectPixels(image,
                 {{int(c.tip.x), int(c.tip.y), red}, {int(c.opposite.x), int(c.opposite.y), clear}},
                 0.02, c.name);
    EXPECT_NE(hitTest(tree, c.tip), nullptr) << c.name;
    EXPECT_EQ(hitTest(tree, c.opposite), nullptr) << c.name;
  }
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
