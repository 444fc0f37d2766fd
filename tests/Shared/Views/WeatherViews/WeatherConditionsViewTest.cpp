#include "Shared/Views/WeatherViews/WeatherConditionsView.h"
#include "Shared/Theme/DesignTokens.h"
#include "WeatherViewsTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(WeatherConditionsView, RowsFollowOneAnotherDownTheScreen) {
  ZCtx ctx = context(0.5, ZavelSize::s);
  ctx.accent = ZavelTokens::teal;
  LaidOutTree tree =
      lay(WeatherConditionsView{weather("London", 23, 27, 18), ctx}.body(), {150, 150});
  EXPECT_EQ(tree.root.texts(),
            (std::vector<std::string>{"LONDON", "23°", "PARTLY CLOUDY", "H 27° — L 18°"}));
  EXPECT_EQ(run(textNode(tree, "23°")).paint, Paint{ZavelTokens::teal});
}

TEST(WeatherConditionsView, NegativeTemperaturesKeepTheirSignAndShrinkToFitOneLine) {
  ZCtx ctx = smallWidget.context();
  using Style = ThemeSettings::NumeralStyle;
  for (auto [temperature, style, fit] : {std::tuple{int64_t{-128}, Style::orbit, Fit::asIs},
                                         {int64_t{-1234}, Style::firmware, Fit::shrunk},
                                         {INT64_MIN, Style::firmware, Fit::cut}}) {
    ctx.theme.numerals = style;
    LaidOutTree tree = layReal(
        WeatherConditionsView{weather("Oslo", temperature, -1, -9), ctx}.body(), smallWidget);
    // The screen's content spans 170 − 2 × (14 + 18) × u.
    expectFit(textNode(tree, std::to_string(temperature) + "°"), 170 - 64 * ctx.u, fit);
    EXPECT_TRUE(tree.root.findText("H -1° — L -9°")) << temperature;
  }
}

} // namespace
} // namespace zavel
