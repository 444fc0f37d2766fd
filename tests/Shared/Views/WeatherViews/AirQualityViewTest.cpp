#include "Shared/Views/WeatherViews/AirQualityView.h"
#include "Shared/Theme/DesignTokens.h"
#include "WeatherViewsTesting.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

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
    EXPECT_EQ(tree.root.texts().front(), "AIR QUALITY");
    EXPECT_EQ(run(textNode(tree, std::to_string(aqi))).paint, Paint{reading}) << aqi;
    std::vector<const LaidOutNode *> bar = tree.root.findAll("Capsule");
    ASSERT_EQ(bar.size(), 2u);
    Rect track = bar[0]->frame, fill = bar[1]->frame;
    EXPECT_EQ(bar[1]->as<ShapeDraw>()->paint, Paint{reading}) << aqi;
    EXPECT_NEAR(fill.size.width, std::max(track.size.width * fraction, track.size.height), 1e-9)
        << aqi;
    EXPECT_NEAR(fill.minX(), track.minX(), 1e-9) << aqi;
  }
}

TEST(AirQualityView, AHugeIndexStaysOnOneLineCutAtTheNumeralsFloor) {
  LaidOutTree huge = layReading(std::numeric_limits<int64_t>::max());
  // The content spans 170 − 2 × (14 + 18) × u.
  expectFit(*huge.root.findAll("Text").at(1), 170 - 64 * smallWidget.u(), Fit::cut);
}

} // namespace
} // namespace zavel
