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
  struct Case {
    int64_t aqi = 0;
    Color reading;
    double fraction = 0;
  };
  for (const Case &c : {Case{.aqi = 0, .reading = teal, .fraction = 0},
                        Case{.aqi = 100, .reading = teal, .fraction = 0.5},
                        Case{.aqi = 101, .reading = gold, .fraction = 0.505},
                        Case{.aqi = 301, .reading = gold, .fraction = 1},
                        Case{.aqi = INT64_MIN, .reading = teal, .fraction = 0}}) {
    LaidOutTree tree = layReading(c.aqi);
    EXPECT_EQ(run(textNode(tree, std::to_string(c.aqi))).paint, Paint{c.reading}) << c.aqi;
    std::vector<const LaidOutNode *> bar = tree.root.findAll("Capsule");
    ASSERT_EQ(bar.size(), 2u);
    Rect track = bar[0]->frame;
    EXPECT_EQ(bar[1]->as<ShapeDraw>()->paint, Paint{c.reading}) << c.aqi;
    expectRectNear(
        bar[1]->frame,
        {track.origin,
         {std::max(track.size.width * c.fraction, track.size.height), track.size.height}},
        std::to_string(c.aqi));
  }
  expectFit(*layReading(INT64_MAX).root.findAll("Text").at(1), smallContentWidth, Fit::cut);
}

TEST(MoonView, ShadowSlidesAcrossTheDiscByTheLitShareCutToTheFace) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // The lit share, waxing, and the shadow's centre from the face's in design units.
  struct Case {
    double illuminated = 0;
    bool waxing = false;
    double offset = 0;
  };
  for (const Case &c : {Case{.illuminated = 0, .waxing = true, .offset = 0},
                        Case{.illuminated = 0.39, .waxing = true, .offset = -18},
                        Case{.illuminated = 0.78, .waxing = false, .offset = 36},
                        Case{.illuminated = 1, .waxing = false, .offset = 114},
                        Case{.illuminated = -0.5, .waxing = true, .offset = 0},
                        Case{.illuminated = 1.5, .waxing = true, .offset = -114},
                        Case{.illuminated = nan, .waxing = true, .offset = 0}}) {
    std::string what = std::to_string(c.illuminated) + (c.waxing ? " waxing" : " waning");
    LaidOutTree tree = layReal(
        MoonView{{"Waxing Gibbous", c.illuminated, c.waxing, 6, 21}, smallWidget.context()}.body(),
        smallWidget);
    std::vector<const LaidOutNode *> circles = tree.root.findAll("Circle"),
                                     clips = tree.root.findAll("Clip");
    // The screen, then the disc.
    ASSERT_EQ(circles.size(), 2u);
    ASSERT_EQ(clips.size(), 2u);
    Rect face = circles[0]->frame, shadow = circles[1]->frame;
    expectPointNear({shadow.midX() - face.midX(), shadow.midY() - face.midY()},
                    {c.offset * smallWidget.u(), 0}, what);
    expectRectNear(clips[1]->as<ClipEffect>()->path.boundingRect(), face, what);
    if (c.illuminated == 0.39) {
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
  struct Case {
    int64_t temperature = 0;
    Style style = Style::orbit;
    Fit fit = Fit::asIs;
  };
  for (const Case &c :
       {Case{.temperature = -128, .style = Style::orbit, .fit = Fit::asIs},
        Case{.temperature = -1234, .style = Style::firmware, .fit = Fit::shrunk},
        Case{.temperature = INT64_MIN, .style = Style::firmware, .fit = Fit::cut}}) {
    ctx.theme.numerals = c.style;
    LaidOutTree tree = layReal(
        WeatherConditionsView{weather("Oslo", c.temperature, -1, -9), ctx}.body(), smallWidget);
    expectFit(textNode(tree, std::to_string(c.temperature) + "°"), smallContentWidth, c.fit);
    EXPECT_TRUE(tree.root.findText("H -1° — L -9°")) << c.temperature;
  }
}

} // namespace
} // namespace zavel
