#pragma once

#include "LayoutTesting.h"
#include "kit/ui/Render.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace kit::ui::testing {

// Renders a view at a scale, without the widget outline unless asked.
inline Image draw(const View &view, Size size, double scale = 1, bool outline = false) {
  return render(lay(view, size), RenderOptions{.scale = scale, .clipToWidgetOutline = outline});
}

inline ::testing::AssertionResult near(const Color &actual, const Color &expected,
                                       double tolerance = 0.02) {
  double a = std::min(actual.alpha, expected.alpha); // colour matters only where both show
  double worst = std::max(
      {std::abs(actual.red - expected.red) * a, std::abs(actual.green - expected.green) * a,
       std::abs(actual.blue - expected.blue) * a, std::abs(actual.alpha - expected.alpha)});
  if (worst <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel " << actual.hexString() << " is not " << expected.hexString();
}

inline Color mix(const Color &a, const Color &b, double f) {
  return {a.red + (b.red - a.red) * f, a.green + (b.green - a.green) * f,
          a.blue + (b.blue - a.blue) * f, a.alpha + (b.alpha - a.alpha) * f};
}

// `top` composited over `bottom`, straight colours in and out.
inline Color over(const Color &top, const Color &bottom) {
  double a = top.alpha + bottom.alpha * (1 - top.alpha);
  if (a == 0)
    return Color::clear;
  auto channel = [&](double t, double b) {
    return (t * top.alpha + b * bottom.alpha * (1 - top.alpha)) / a;
  };
  return {channel(top.red, bottom.red), channel(top.green, bottom.green),
          channel(top.blue, bottom.blue), a};
}

// A pixel and the colour it must show (clear: nothing drawn there).
struct Probe {
  int x, y;
  Color expected;
};

inline void expectPixels(const Image &image, const std::vector<Probe> &probes,
                         double tolerance = 0.02, const char *what = "") {
  for (const Probe &p : probes)
    EXPECT_TRUE(near(image.pixel(p.x, p.y), p.expected, tolerance))
        << what << " at " << p.x << "," << p.y;
}

inline constexpr Color red = Color::rgb(1, 0, 0);
inline constexpr Color blue = Color::rgb(0, 0, 1);
inline constexpr Color green = Color::rgb(0, 1, 0);

} // namespace kit::ui::testing
