#include "Shared/Theme/CasingInks.h"

#include "Shared/Theme/ColorContrast.h"
#include "Shared/Theme/DesignTokens.h"

#include <gtest/gtest.h>

#include <string>

namespace zavel {
namespace {

using kit::ui::Color;

struct Casing {
  const char *name;
  bool cream;
  Color start, end; // the two ends of its gradient
};
const Casing casings[] = {
    {"graphite", false, ZavelTokens::graphiteA, ZavelTokens::graphiteB},
    {"cream", true, ZavelTokens::creamA, ZavelTokens::creamB},
};

double worstContrast(const Color &ink, const Casing &casing) {
  return std::min(contrastRatio(ink, casing.start), contrastRatio(ink, casing.end));
}

TEST(CasingInks, TextsAndLitMarksReadAtBothEndsOfEitherCasing) {
  const Color dataAndAccents[] = {ZavelTokens::dataTeal, ZavelTokens::signal, ZavelTokens::ember,
                                  ZavelTokens::teal, ZavelTokens::gold};
  for (const Casing &casing : casings) {
    SCOPED_TRACE(casing.name);
    EXPECT_GE(worstContrast(casingInk(InkLevel::primary, casing.cream), casing), 4.5);
    for (InkLevel level : {InkLevel::secondary, InkLevel::tertiary, InkLevel::muted})
      EXPECT_GE(worstContrast(casingInk(level, casing.cream), casing), 3) << int(level);
    for (const Color &color : dataAndAccents)
      EXPECT_GE(worstContrast(casingShade(color, casing.cream), casing), 3) << color.hexString();
  }
}

TEST(CasingInks, GraphiteKeepsTheScreensTokensThatReadAndLightensTheOthersLeast) {
  EXPECT_EQ(casingInk(InkLevel::primary, false), ZavelTokens::screenText1);
  EXPECT_EQ(casingInk(InkLevel::secondary, false), ZavelTokens::screenText2);
  EXPECT_EQ(casingInk(InkLevel::track, false), ZavelTokens::track);
  EXPECT_EQ(casingInk(InkLevel::unlit, false), ZavelTokens::trackFine);
  EXPECT_EQ(casingShade(ZavelTokens::dataTeal, false), ZavelTokens::dataTeal);
  EXPECT_EQ(casingShade(ZavelTokens::signal, false), ZavelTokens::signal);
  // screenText3 reads 2.9:1 near the gradient's light end, muted 1.7:1 and ember 2.9:1: each
  // takes a lighter ink, just past 3:1.
  const Casing &graphite = casings[0];
  for (auto [ink, token] :
       {std::pair{casingInk(InkLevel::tertiary, false), ZavelTokens::screenText3},
        std::pair{casingInk(InkLevel::muted, false), ZavelTokens::muted},
        std::pair{casingShade(ZavelTokens::ember, false), ZavelTokens::ember}}) {
    SCOPED_TRACE(token.hexString());
    EXPECT_GT(relativeLuminance(ink), relativeLuminance(token));
    EXPECT_LT(worstContrast(ink, graphite), 3.1);
  }
}

TEST(CasingInks, OnCreamTheInksDarkenWithTheirEmphasisAndUnlitMarksStayLightest) {
  auto luminance = [](InkLevel level) { return relativeLuminance(casingInk(level, true)); };
  EXPECT_EQ(casingInk(InkLevel::primary, true), ZavelTokens::keyInk);
  EXPECT_LT(luminance(InkLevel::primary), luminance(InkLevel::secondary));
  EXPECT_LT(luminance(InkLevel::secondary), luminance(InkLevel::tertiary));
  EXPECT_LT(luminance(InkLevel::tertiary), luminance(InkLevel::muted));
  // Every lit mark, in a text ink or a data or accent shade, is darker than a groove or an
  // unlit mark.
  double lightestLit = luminance(InkLevel::muted);
  for (const Color &color : {ZavelTokens::dataTeal, ZavelTokens::signal, ZavelTokens::gold})
    lightestLit = std::max(lightestLit, relativeLuminance(casingShade(color, true)));
  EXPECT_GT(luminance(InkLevel::track), lightestLit);
  EXPECT_GT(luminance(InkLevel::unlit), lightestLit);
  // A deeper shade of the same hue: teal's components keep their proportions.
  Color teal = casingShade(ZavelTokens::dataTeal, true);
  EXPECT_LT(teal.blue, ZavelTokens::dataTeal.blue);
  EXPECT_NEAR(teal.green / teal.blue, ZavelTokens::dataTeal.green / ZavelTokens::dataTeal.blue,
              0.02);
  // A translucent ink is deepened alike and keeps its opacity.
  Color halfTeal = casingShade(ZavelTokens::dataTeal.opacity(0.5), true);
  EXPECT_EQ(halfTeal.alpha, 0.5);
  EXPECT_EQ(Color::rgb(halfTeal.red, halfTeal.green, halfTeal.blue), teal);
}

} // namespace
} // namespace zavel
