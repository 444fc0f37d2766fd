#include "Shared/Theme/ColorContrast.h"

#include "Shared/Theme/HexColor.h"

#include <gtest/gtest.h>

using kit::ui::Color;
using zavel::contrastRatio;
using zavel::hexColor;
using zavel::shadeReaching;

namespace {

TEST(ColorContrast, RatiosFollowTheAccessibilityFormula) {
  struct Case {
    Color a, b;
    double ratio;
  };
  // Worked out from the guidelines' formula: (L1 + 0.05) / (L2 + 0.05).
  const Case cases[] = {
      {Color::white, Color::black, 21},
      {Color::black, Color::white, 21},
      {hexColor("#777777"), Color::white, 4.478},
      {hexColor("#767676"), Color::white, 4.542},
      {hexColor("#1CAEC2"), Color::white, 2.664},
      // Opacity is ignored: the colour is judged as drawn opaque.
      {Color::black.opacity(0.2), Color::white, 21},
      {hexColor("#3A3A41"), hexColor("#3A3A41"), 1},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.001)
        << c.a.hexString() << " " << c.b.hexString();
}

TEST(ColorContrast, AShadeIsTheLeastByteStepTowardBlackOrWhiteThatReaches) {
  const Color light = hexColor("#F0EDE6"), dark = hexColor("#D8D4CB");
  // Already enough: kept as it is, opacity too.
  Color ink = hexColor("#4B463C").opacity(0.5);
  EXPECT_EQ(shadeReaching(ink, Color::black, 3, {light, dark}), ink);

  const Color teal = hexColor("#1CAEC2");
  Color deeper = shadeReaching(teal, Color::black, 3, {light, dark});
  EXPECT_GE(contrastRatio(deeper, dark), 3);
  EXPECT_GE(contrastRatio(deeper, light), 3);
  // Toward black every component shrinks by the same share, so the hue stays: 0x1C, 0xAE and
  // 0xC2 keep their proportions to within a byte's rounding.
  EXPECT_NEAR(deeper.red / deeper.blue, 0x1C / double(0xC2), 0.02);
  EXPECT_NEAR(deeper.green / deeper.blue, 0xAE / double(0xC2), 0.02);
  // The least step that reaches: a byte's step moves the ratio by a few hundredths.
  EXPECT_LT(std::min(contrastRatio(deeper, dark), contrastRatio(deeper, light)), 3.05);

  // Toward white on a dark ground.
  Color lighter = shadeReaching(hexColor("#5A5E61"), Color::white, 3,
                                {hexColor("#3A3A41"), hexColor("#1F1F24")});
  EXPECT_GE(contrastRatio(lighter, hexColor("#3A3A41")), 3);
  EXPECT_LT(contrastRatio(lighter, hexColor("#3A3A41")), 3.05);
  EXPECT_GT(lighter.red, hexColor("#5A5E61").red);
}

} // namespace
