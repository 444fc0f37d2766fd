#pragma once

// Pictures drawn with the view toolkit alone, for the drawing and PNG benchmarks.
#include "kit/ui/Layout.h"
#include "kit/ui/UI.h"
#include "kit/ui/text/TextEngine.h"

#include <cmath>

namespace bench {

// Layout and drawing without text: the costs measured with it are the toolkit's own.
class SilentTextEngine final : public kit::ui::TextEngine {
public:
  kit::ui::TextMetrics measure(std::string_view, const kit::ui::TextStyle &,
                               kit::ui::ProposedSize) const override {
    return {};
  }
  void draw(cairo_t *, std::string_view, const kit::ui::TextStyle &,
            const kit::ui::Rect &) const override {}
  std::string resolvedFaceName(const kit::ui::Font &) const override { return {}; }
};

inline kit::ui::LaidOutTree layOutSilently(const kit::ui::View &view, kit::ui::Size size) {
  static const SilentTextEngine engine;
  return kit::ui::layOut(view, size, kit::ui::LayoutContext{engine, {}});
}

// A canvas of many stroked and filled curves over a gradient: a picture that compresses badly.
inline kit::ui::View busyCanvas() {
  using namespace kit::ui;
  return Canvas([](GraphicsContext &g, Size size) {
    Path backdrop;
    backdrop.addRoundedRect({{0, 0}, size}, 28);
    g.fill(backdrop, LinearGradient{{Color::rgb8(58, 58, 65), Color::rgb8(31, 31, 36)}});
    for (int i = 0; i < 60; ++i) {
      double t = i / 60.0;
      Path wave;
      wave.move({0, size.height * t});
      wave.addCurve({size.width, size.height * (1 - t)}, {size.width / 3, 0},
                    {2 * size.width / 3, size.height});
      g.stroke(wave, Color::rgb(t, 0.6, 1 - t, 0.8),
               {.lineWidth = 1 + 3 * t, .lineCap = LineCap::round});
      Path dot;
      dot.addEllipse({{size.width * t, size.height * std::abs(std::sin(6 * t))}, {12, 12}});
      g.fill(dot, Color::rgb8(242, 92, 5));
    }
  });
}

// A casing and a screen pane like every widget's, with a few marks on the screen; the casing and
// the empty screen optionally through the static-layer cache.
inline kit::ui::View deviceFace(bool cached) {
  using namespace kit::ui;
  View casing = ZStack({
      View(LinearGradient{
          {Color::rgb8(58, 58, 65), Color::rgb8(31, 31, 36)}, {0.289, 0.047}, {0.711, 0.953}}),
      ContainerRelativeShape().stroke(Color::white.opacity(0.1), 2),
  });
  View glass = ZStack({
      View(
          EllipticalGradient{{Color::rgb8(20, 21, 23), Color::rgb8(10, 11, 12)}, {0.5, 0}, 0, 1.1}),
      RoundedRectangle(21, RoundedCornerStyle::continuous)
          .stroke(Color::black.opacity(0.85), 10)
          .blur(5)
          .offset(0, 2),
  });
  if (cached) {
    casing = casing.staticLayer("bench-casing");
    glass = glass.staticLayer("bench-glass");
  }
  View marks = VStack(HAlign::leading, 6,
                      {Circle().fill(Color::rgb8(28, 174, 194)).frame(40, 40),
                       Capsule().fill(Color::rgb8(242, 92, 5)).frame(90, 6),
                       Capsule().fill(Color::white.opacity(0.2)).frame(60, 6)});
  View screen = ZStack({glass, marks})
                    .clipShape(RoundedRectangle(21, RoundedCornerStyle::continuous))
                    .overlay(RoundedRectangle(21, RoundedCornerStyle::continuous)
                                 .strokeBorder(Color::white.opacity(0.045), 1))
                    .padding(7);
  return screen.containerBackground(casing);
}

} // namespace bench
