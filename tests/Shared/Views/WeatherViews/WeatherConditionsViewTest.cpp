#include "Shared/Views/WeatherViews/WeatherConditionsView.h"
#include "Shared/Theme/DesignTokens.h"
#include "WeatherViewsTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(WeatherConditionsView, RowsFollowOneAnotherDownTheScreen) {
  // A 150 point small widget: u = 0.5, the screen inset 7, the content inset 9 more.
  ZCtx ctx = context(0.5, ZavelSize::s);
  ctx.accent = ZavelTokens::teal;
  LaidOutTree tree =
      lay(WeatherConditionsView{weather("London", 23, 27, 18), ctx}.body(), {150, 150});

  const LaidOutNode &place = textNode(tree, "LONDON");
  const LaidOutNode &numeral = textNode(tree, "23°");
  const LaidOutNode &condition = textNode(tree, "PARTLY CLOUDY");
  const LaidOutNode &highLow = textNode(tree, "H 27° — L 18°");
  EXPECT_EQ(tree.root.texts(),
            (std::vector<std::string>{"LONDON", "23°", "PARTLY CLOUDY", "H 27° — L 18°"}));

  expectMicroLabel(place, 9, 0.18, ZavelTokens::screenText2, ctx);
  EXPECT_EQ(run(numeral).style.font, ctx.mono(76, FontWeight::bold));
  EXPECT_EQ(run(numeral).paint, Paint{ZavelTokens::teal});
  EXPECT_EQ(run(numeral).style.lineLimit, 1);
  EXPECT_EQ(run(numeral).style.minimumScaleFactor, 0.55);
  expectMicroLabel(condition, 10, 0.16, ZavelTokens::screenText1, ctx);
  expectMicroLabel(highLow, 10, 0.12, ZavelTokens::screenText3, ctx);

  // Leading edge and top at the content inset; 16 and 10 units above the numeral and the sky;
  // the high and low pushed down to the bottom inset.
  for (const LaidOutNode *row : {&place, &numeral, &condition, &highLow})
    EXPECT_NEAR(row->frame.minX(), 16, 1e-9) << run(*row).text;
  EXPECT_NEAR(place.frame.minY(), 16, 1e-9);
  EXPECT_NEAR(numeral.frame.minY() - place.frame.maxY(), 8, 1e-9);
  EXPECT_NEAR(condition.frame.minY() - numeral.frame.maxY(), 5, 1e-9);
  EXPECT_NEAR(highLow.frame.maxY(), 134, 1e-9);
}

TEST(WeatherConditionsView, NegativeTemperaturesKeepTheirSignAndShrinkToFitOneLine) {
  ZCtx ctx = widgetContext(smallWidget);
  // The screen's content spans 170 − 2 × (14 + 18) × u.
  double contentWidth = 170 - 64 * ctx.u;
  enum class Fit { asIs, shrunk, cut };
  struct Case {
    int64_t temperature;
    ThemeSettings::NumeralStyle style;
    Fit fit;
  };
  for (const Case &c : {
           Case{-4, ThemeSettings::NumeralStyle::firmware, Fit::asIs},
           Case{-128, ThemeSettings::NumeralStyle::firmware, Fit::asIs},
           Case{-128, ThemeSettings::NumeralStyle::orbit, Fit::asIs},
           Case{-1234, ThemeSettings::NumeralStyle::firmware, Fit::shrunk},
           Case{-1234, ThemeSettings::NumeralStyle::orbit, Fit::shrunk},
           Case{INT64_MIN, ThemeSettings::NumeralStyle::firmware, Fit::cut},
       }) {
    ctx.theme.numerals = c.style;
    std::string shown = std::to_string(c.temperature) + "°";
    LaidOutTree tree = layReal(
        WeatherConditionsView{weather("Oslo", c.temperature, -1, -9), ctx}.body(), {170, 170});
    const LaidOutNode &numeral = textNode(tree, shown);
    TextMetrics fitted =
        realTextEngine().measure(shown, run(numeral).style, ProposedSize::of(numeral.frame.size));
    EXPECT_EQ(fitted.lineCount, 1) << shown;
    // Glyph advances are whole 1/1024ths of a point.
    EXPECT_LE(numeral.frame.size.width, contentWidth + 0.01) << shown;
    EXPECT_EQ(fitted.truncated, c.fit == Fit::cut) << shown;
    switch (c.fit) {
    case Fit::asIs:
      EXPECT_EQ(fitted.scale, 1) << shown;
      break;
    case Fit::shrunk:
      EXPECT_LT(fitted.scale, 1) << shown;
      EXPECT_GT(fitted.scale, 0.55) << shown;
      break;
    case Fit::cut:
      EXPECT_EQ(fitted.scale, 0.55) << shown;
      break;
    }
    EXPECT_TRUE(tree.root.findText("H -1° — L -9°")) << shown;
  }
}

TEST(WeatherConditionsView, ALongPlaceNameIsUpperCasedWholeOnOneLine) {
  ZCtx ctx = widgetContext(smallWidget);
  LaidOutTree tree = layReal(
      WeatherConditionsView{weather("Llanfairpwllgwyngyll, Isle of Anglesey", 12, 14, 8), ctx}
          .body(),
      {170, 170});
  const LaidOutNode &place = textNode(tree, "LLANFAIRPWLLGWYNGYLL, ISLE OF ANGLESEY");
  EXPECT_LE(place.frame.maxX(), 170 - 32 * ctx.u + 1e-9);
  TextMetrics fitted = realTextEngine().measure(run(place).text, run(place).style,
                                                ProposedSize::of(place.frame.size));
  EXPECT_EQ(fitted.lineCount, 1);
  EXPECT_TRUE(fitted.truncated);
  // The rows below keep their places.
  EXPECT_NEAR(textNode(tree, "12°").frame.minY() - place.frame.maxY(), 16 * ctx.u, 1e-9);
}

} // namespace
} // namespace zavel
