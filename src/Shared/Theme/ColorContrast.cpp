#include "Shared/Theme/ColorContrast.h"

#include "Shared/Theme/ColorMixing.h"

#include <algorithm>
#include <cmath>

namespace zavel {

using kit::ui::Color;

namespace {

double linear(double component) {
  return component <= 0.04045 ? component / 12.92 : std::pow((component + 0.055) / 1.055, 2.4);
}

// A colour as it is drawn: each component the nearest byte.
Color inBytes(const Color &color) {
  auto byte = [](double component) { return static_cast<int>(std::lround(component * 255)); };
  return Color::rgb8(byte(color.red), byte(color.green), byte(color.blue), color.alpha);
}

bool reaches(const Color &ink, double ratio, std::initializer_list<Color> backgrounds) {
  return std::all_of(backgrounds.begin(), backgrounds.end(), [&](const Color &background) {
    return contrastRatio(ink, background) >= ratio;
  });
}

} // namespace

double relativeLuminance(const Color &color) {
  Color c = color.clamped();
  return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

double contrastRatio(const Color &a, const Color &b) {
  double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color shadeReaching(const Color &ink, const Color &toward, double ratio,
                    std::initializer_list<Color> backgrounds) {
  if (reaches(ink, ratio, backgrounds))
    return ink;
  Color shade = ink;
  for (int step = 1; step <= 255; ++step) {
    shade = inBytes(mixed(ink, toward, step / 255.0)).opacity(ink.clamped().alpha);
    if (reaches(shade, ratio, backgrounds))
      break;
  }
  return shade;
}

} // namespace zavel
