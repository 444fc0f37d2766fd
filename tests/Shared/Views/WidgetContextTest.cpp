#include "Shared/Views/WidgetContext.h"

#include <gtest/gtest.h>

using kit::ui::Font;
using kit::ui::FontWeight;
using zavel::ZCtx;
using NumeralStyle = zavel::ThemeSettings::NumeralStyle;

namespace {

TEST(WidgetContext, SmallSizesGetTheLabelFaceRaisedTowardEighteenLargeOnesTheNumeralStyle) {
  const std::tuple<double, FontWeight, NumeralStyle, Font> cases[] = {
      {12, FontWeight::regular, NumeralStyle::firmware,
       Font::postScript("IBMPlexMono-Regular", 7.5)},
      // Under the numeral threshold the theme's style does not apply.
      {23.5, FontWeight::bold, NumeralStyle::dot, Font::postScript("IBMPlexMono-Bold", 11.75)},
      {24, FontWeight::bold, NumeralStyle::dot, Font::family("Doto", 12, FontWeight::bold)},
      {76, FontWeight::regular, NumeralStyle::featherweight,
       Font::system(38, FontWeight::ultraLight)},
  };
  for (const auto &[size, weight, style, expected] : cases) {
    ZCtx ctx;
    ctx.theme.numerals = style;
    ctx.u = 0.5;
    EXPECT_EQ(ctx.mono(size, weight), expected) << size;
  }
}

} // namespace
