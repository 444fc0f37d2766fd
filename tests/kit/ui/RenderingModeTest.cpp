#include "RenderTesting.h"
#include "kit/ui/UI.h"

namespace kit::ui {
namespace {

using namespace testing;

Image drawIn(WidgetRenderingMode mode, const View &view, ColorScheme scheme = ColorScheme::dark) {
  LaidOutTree tree = layOut(view, {30, 10}, LayoutContext{fakeTextEngine(), {}, mode, scheme});
  return render(tree, RenderOptions{.scale = 1, .clipToWidgetOutline = false, .accentTint = blue});
}

View sample() {
  return HStack(VAlign::center, 0,
                {View(red), View(Color::white.opacity(0.5)), View(green).widgetAccentable()})
      .containerBackground(View(Material::ultraThin));
}

TEST(RenderingMode, FullColourDrawsTheContentOverItsBackground) {
  Image image = drawIn(WidgetRenderingMode::fullColor, sample());
  EXPECT_TRUE(near(image.pixel(5, 5), red));
  EXPECT_TRUE(near(image.pixel(25, 5), green));
}

TEST(RenderingMode, VibrantTintsContentWhiteByLuminanceOverAnUntintedBackground) {
  Image image = drawIn(WidgetRenderingMode::vibrant, sample());
  Color material = Color::white.opacity(0.18);
  EXPECT_TRUE(near(image.pixel(5, 5), over(Color::white.opacity(0.2126), material)));
  EXPECT_TRUE(near(image.pixel(15, 5), over(Color::white.opacity(0.5), material)));
  EXPECT_TRUE(near(image.pixel(25, 5), over(Color::white.opacity(0.7152), material)));
  Image bare = drawIn(WidgetRenderingMode::vibrant, View(Color::black));
  EXPECT_EQ(bare.pixel(5, 5).alpha, 0);
}

TEST(RenderingMode, AccentedTintsAccentablePartsInTheAccentColour) {
  Image image = drawIn(WidgetRenderingMode::accented, sample(), ColorScheme::light);
  Color material = Color::black.opacity(0.06);
  EXPECT_TRUE(near(image.pixel(5, 5), over(Color::white.opacity(0.2126), material)));
  EXPECT_TRUE(near(image.pixel(25, 5), over(blue.opacity(0.7152), material)));
}

} // namespace
} // namespace kit::ui
