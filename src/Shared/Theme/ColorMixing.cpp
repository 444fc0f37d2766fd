#include "Shared/Theme/ColorMixing.h"

#include <algorithm>
#include <cmath>

namespace zavel {

kit::ui::Color mixed(const kit::ui::Color &color, const kit::ui::Color &target, double fraction) {
  double f = std::isnan(fraction) ? 1 : std::clamp(fraction, 0.0, 1.0);
  // Components outside sRGB's range are brought into it first, as a colour-space conversion would.
  kit::ui::Color from = color.clamped();
  kit::ui::Color to = target.clamped();
  auto mix = [f](double a, double b) { return a + f * (b - a); };
  return kit::ui::Color::rgb(mix(from.red, to.red), mix(from.green, to.green),
                             mix(from.blue, to.blue));
}

} // namespace zavel
