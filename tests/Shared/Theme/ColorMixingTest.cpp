#include "Shared/Theme/ColorMixing.h"

#include "kit/ui/RenderTesting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using kit::ui::Color;
using zavel::mixed;

namespace {

TEST(ColorMixing, MovesTheClampedFractionOfTheWayBetweenClampedOpaqueColours) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const Color start = Color::rgb(0.2, 0.4, 1), target = Color::rgb(0.7, 0.9, 0);
  const Color odd{2, -1, std::nan(""), 1};
  const std::tuple<Color, Color, double, Color> cases[] = {
      {start, target, 0.2, Color::rgb(0.3, 0.5, 0.8)},
      {start, target, -3, start},
      {start, target, inf, target},
      {start, target, std::nan(""), target},
      // Both opacities are ignored.
      {start.opacity(0.5), Color::clear, 1, Color::black},
      {Color::clear, start.opacity(0.5), 1, start},
      // Components outside the range are brought into it first.
      {odd, Color::white, 0, Color::rgb(1, 0, 0)},
      {Color::black, odd, 0.5, Color::rgb(0.5, 0, 0)},
  };
  for (const auto &[from, to, fraction, expected] : cases)
    EXPECT_TRUE(kit::ui::testing::near(mixed(from, to, fraction), expected, 1e-12)) << fraction;
}

} // namespace
