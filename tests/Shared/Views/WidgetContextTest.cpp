#include "Shared/Views/WidgetContext.h"

#include <gtest/gtest.h>

using kit::ui::Font;
using kit::ui::FontWeight;
using zavel::ZCtx;
using NumeralStyle = zavel::ThemeSettings::NumeralStyle;

namespace {

TEST(WidgetContext, SmallSizesGetTheLabelFaceRaisedTowardEighteenLargeOnesTheNumeralStyle) {
  const struct {
    double size;
    FontWeight weight;
    NumeralStyle style;
    Font expected;
  } cases[] = {
      {12, FontWeight::regular, NumeralStyle::firmware,
       Font::postScript("IBMPlexMono-Regular", 7.5)},
      // Under the numeral threshold the theme's style does not apply.
      {23.5, FontWeight::bold, NumeralStyle::dot, Font::postScript("IBMPlexMono-Bold", 11.75)},
      {24, FontWeight::bold, NumeralStyle::dot, Font::family("Doto", 12, FontWeight::bold)},
      {76, FontWeight::regular, NumeralStyle::featherweight,
       Font::system(38, FontWeight::ultraLight)},
  };
  for (const auto &c : cases) {
    ZCtx ctx;
    ctx.theme.numerals = c.style;
    ctx.u = 0.5;
    EXPECT_EQ(ctx.mono(c.size, c.weight), c.expected) << c.size;
  }
}

} // namespace
