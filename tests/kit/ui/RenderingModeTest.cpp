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

// Vibrant content turns white by its luminance over an untinted background; accented content
// does too, but for its accentable parts, which take the accent colour. Full colour keeps it.
TEST(RenderingMode, VibrantAndAccentedTintContentByLuminance) {
  expectPixels(drawIn(WidgetRenderingMode::fullColor, sample()), {{5, 5, red}, {25, 5, green}});
  Color dark = Color::white.opacity(0.18), light = Color::black.opacity(0.06);
  auto white = [](double alpha) { return Color::white.opacity(alpha); };
  expectPixels(drawIn(WidgetRenderingMode::vibrant, sample()),
               {{5, 5, over(white(0.2126), dark)},
                {15, 5, over(white(0.5), dark)},
                {25, 5, over(white(0.7152), dark)}});
  expectPixels(drawIn(WidgetRenderingMode::vibrant, View(Color::black)), {{5, 5, Color::clear}});
  expectPixels(drawIn(WidgetRenderingMode::accented, sample(), ColorScheme::light),
               {{5, 5, over(white(0.2126), light)}, {25, 5, over(blue.opacity(0.7152), light)}});
}

} // namespace
} // namespace kit::ui
