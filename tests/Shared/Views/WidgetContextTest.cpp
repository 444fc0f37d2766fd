#include "Shared/Views/WidgetContext.h"

#include <gtest/gtest.h>

using kit::ui::Font;
using kit::ui::FontWeight;
using zavel::ZCtx;
using NumeralStyle = zavel::ThemeSettings::NumeralStyle;

namespace {

ZCtx context(NumeralStyle numerals, double u) {
  ZCtx ctx;
  ctx.theme.numerals = numerals;
  ctx.u = u;
  return ctx;
}

TEST(WidgetContext, SmallSizesGetTheLabelFaceRaisedTowardEighteen) {
  const struct {
    double size;
    FontWeight weight;
    NumeralStyle style;
    Font expected;
  } cases[] = {
      {12, FontWeight::regular, NumeralStyle::firmware,
       Font::postScript("IBMPlexMono-Regular", 7.5)},
      {17, FontWeight::medium, NumeralStyle::firmware,
       Font::postScript("IBMPlexMono-Medium", 8.75)},
      {18, FontWeight::medium, NumeralStyle::firmware, Font::postScript("IBMPlexMono-Medium", 9)},
      {0, FontWeight::light, NumeralStyle::orbit, Font::postScript("IBMPlexMono-Regular", 4.5)},
      // Under the numeral threshold the theme's style does not apply.
      {23, FontWeight::bold, NumeralStyle::dot, Font::postScript("IBMPlexMono-Bold", 11.5)},
      {23.99, FontWeight::semibold, NumeralStyle::hairline,
       Font::postScript("IBMPlexMono-SemiBold", 11.995)},
      // From 24 up: the numeral style at the size as asked.
      {24, FontWeight::bold, NumeralStyle::dot, Font::family("Doto", 12, FontWeight::bold)},
      {30, FontWeight::semibold, NumeralStyle::orbit,
       Font::family("Orbitron", 15, FontWeight::regular)},
      {40, FontWeight::heavy, NumeralStyle::firmware, Font::postScript("IBMPlexMono-Bold", 20)},
      {76, FontWeight::regular, NumeralStyle::featherweight,
       Font::system(38, FontWeight::ultraLight)},
  };
  for (const auto &c : cases) {
    Font font = context(c.style, 0.5).mono(c.size, c.weight);
    EXPECT_EQ(font.source, c.expected.source) << c.size;
    EXPECT_EQ(font.name, c.expected.name) << c.size;
    EXPECT_DOUBLE_EQ(font.size, c.expected.size) << c.size;
    EXPECT_EQ(font.weight, c.expected.weight) << c.size;
    EXPECT_EQ(font.fixedSize, c.expected.fixedSize) << c.size;
  }
}

} // namespace
