#include "Shared/Theme/ColorMixing.h"

#include "Shared/Theme/DesignTokens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using kit::ui::Color;
using zavel::mixed;

namespace {

void expectColorNear(const Color &actual, const Color &expected, const std::string &what) {
  EXPECT_NEAR(actual.red, expected.red, 1e-12) << what;
  EXPECT_NEAR(actual.green, expected.green, 1e-12) << what;
  EXPECT_NEAR(actual.blue, expected.blue, 1e-12) << what;
  EXPECT_EQ(actual.alpha, expected.alpha) << what;
}

TEST(ColorMixing, MovesTheFractionOfTheWayAndIsAlwaysOpaque) {
  const Color start = zavel::ZavelTokens::signal;
  const Color target = zavel::ZavelTokens::accentKeyMixTarget;
  const Color fifth = Color::rgb(start.red + 0.2 * (target.red - start.red),
                                 start.green + 0.2 * (target.green - start.green),
                                 start.blue + 0.2 * (target.blue - start.blue));
  constexpr double inf = std::numeric_limits<double>::infinity();
  const struct {
    double fraction;
    Color expected;
  } cases[] = {
      {0, start},  {1, target},   {0.2, fifth},  {-3, start},
      {7, target}, {inf, target}, {-inf, start}, {std::nan(""), target},
  };
  for (const auto &c : cases)
    expectColorNear(mixed(start, target, c.fraction), c.expected,
                    "fraction " + std::to_string(c.fraction));
}

TEST(ColorMixing, IgnoresBothOpacities) {
  Color halfStart = zavel::ZavelTokens::teal.opacity(0.5);
  expectColorNear(mixed(halfStart, Color::clear, 0), zavel::ZavelTokens::teal, "at 0");
  expectColorNear(mixed(halfStart, Color::clear, 1), Color::black, "at 1");
}

TEST(ColorMixing, ComponentsOutsideTheRangeAreBroughtIntoItFirst) {
  Color odd{2, -1, std::nan(""), 1};
  expectColorNear(mixed(odd, Color::white, 0), Color::rgb(1, 0, 0), "start");
  expectColorNear(mixed(Color::black, odd, 0.5), Color::rgb(0.5, 0, 0), "target");
}

} // namespace
