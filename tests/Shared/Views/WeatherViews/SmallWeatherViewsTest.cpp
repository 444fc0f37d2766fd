#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/WeatherViews/AirQualityView.h"
#include "Shared/Views/WeatherViews/MoonView.h"
#include "Shared/Views/WeatherViews/WeatherConditionsView.h"
#include "WeatherViewsTesting.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

// The screen's content spans 170 − 2 × (14 + 18) × u on a small widget.
const double smallContentWidth = 170 - 64 * smallWidget.u();

// A gold accent, to tell the high readings' colour from the default one.
LaidOutTree layReading(int64_t aqi) {
  ZCtx ctx = smallWidget.context();
  ctx.accent = ZavelTokens::gold;
  return layReal(AirQualityView{{aqi, {}}, ctx}.body(), smallWidget);
}

TEST(AirQualityView, ColourAndBarFollowTheIndexTheBarHeldBetweenADotAndFull) {
  const Color teal = ZavelTokens::dataTeal, gold = ZavelTokens::gold;
  for (auto [aqi, reading, fraction] : {std::tuple{int64_t{0}, teal, 0.0},
                                        {int64_t{100}, teal, 0.5},
                                        {int64_t{101}, gold, 0.505},
                                        {int64_t{301}, gold, 1.0},
                                        {INT64_MIN, teal, 0.0}}) {
    LaidOutTree tree = layReading(aqi);
    EXPECT_EQ(run(textNode(tree, std::to_string(aqi))).paint, Paint{reading}) << aqi;
    std::vector<const LaidOutNode *> bar = tree.root.findAll("Capsule");
    ASSERT_EQ(bar.size(), 2u);
    Rect track = bar[0]->frame;
    EXPECT_EQ(bar[1]->as<ShapeDraw>()->paint, Paint{reading}) << aqi;
    expectRectNear(bar[1]->frame,
                   {track.origin,
                    {std::max(track.size.width * fraction, track.size.height), track.size.height}},
                   std::to_string(aqi));
  }
  expectFit(*layReading(INT64_MAX).root.findAll("Text").at(1), smallContentWidth, Fit::cut);
}

TEST(MoonView, ShadowSlidesAcrossTheDiscByTheLitShareCutToTheFace) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // The lit share, waxing, and the shadow's centre from the face's in design units.
  for (auto [illuminated, waxing, offset] : {std::tuple{0.0, true, 0.0},
                                             {0.39, true, -18.0},
                                             {0.78, false, 36.0},
                                             {1.0, false, 114.0},
                                             {-0.5, true, 0.0},
                                             {1.5, true, -114.0},
                                             {nan, true, 0.0}}) {
    std::string what = std::to_string(illuminated) + (waxing ? " waxing" : " waning");
    LaidOutTree tree = layReal(
        MoonView{{"Waxing Gibbous", illuminated, waxing, 6, 21}, smallWidget.context()}.body(),
        smallWidget);
    std::vector<const LaidOutNode *> circles = tree.root.findAll("Circle"),
                                     clips = tree.root.findAll("Clip");
    ASSERT_EQ(std::pair(circles.size(), clips.size()), std::pair(2ul, 2ul)); // screen, then disc
    Rect face = circles[0]->frame, shadow = circles[1]->frame;
    expectPointNear({shadow.midX() - face.midX(), shadow.midY() - face.midY()},
                    {offset * smallWidget.u(), 0}, what);
    expectRectNear(clips[1]->as<ClipEffect>()->path.boundingRect(), face, what);
    if (illuminated == 0.39) {
      EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"WAXING GIBBOUS", "FULL IN 6 DAYS"}));
    }
  }
}

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
    expectFit(textNode(tree, std::to_string(temperature) + "°"), smallContentWidth, fit);
    EXPECT_TRUE(tree.root.findText("H -1° — L -9°")) << temperature;
  }
}

} // namespace
} // namespace zavel
