#include "Shared/Views/ZCtx.h"

#include <gtest/gtest.h>

using kit::ui::Font;
using kit::ui::FontWeight;
using zavel::ZCtx;
using NumeralStyle = zavel::ThemeSettings::NumeralStyle;

namespace {

TEST(ZCtx, SmallSizesGetTheLabelFaceRaisedTowardEighteenLargeOnesTheNumeralStyle) {
  struct Case {
    double size;
    FontWeight weight;
    NumeralStyle style;
    Font expected;
  };
  for (const Case &c : {
           Case{.size = 12,
          .weight = FontWeight::regular,
          .style = NumeralStyle::firmware,
          .expected = Font::postScript("IBMPlexMono-Regular", 7.5)},
           // Under the numeral threshold the theme's style does not apply.
           Case{.size = 23.5,
           .weight = FontWeight::bold,
           .style = NumeralStyle::dot,
           .expected = Font::postScript("IBMPlexMono-Bold", 11.75)},
           Case{.size = 24,
           .weight = FontWeight::bold,
           .style = NumeralStyle::dot,
           .expected = Font::family("Doto", 12, FontWeight::bold)},
           Case{.size = 76,
           .weight = FontWeight::regular,
           .style = NumeralStyle::featherweight,
           .expected = Font::system(38, FontWeight::ultraLight)},
       }) {
    ZCtx ctx;
    ctx.theme.numerals = c.style;
    ctx.u = 0.5;
    EXPECT_EQ(ctx.mono(c.size, c.weight), c.expected) << c.size;
  }
}

} // namespace
