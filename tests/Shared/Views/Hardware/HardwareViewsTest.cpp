#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/EqualizerBars.h"
#include "Shared/Views/Hardware/HardwareKeys.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/SunArc.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::ui::testing::framesOf;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(DeviceScreen, ContentInTheScreenTextColour) {
  LaidOutTree tree = lay(DeviceScreen(context(0.5), Text("PLAIN")), {170, 170});
  EXPECT_EQ(tree.root.findText("PLAIN")->as<TextRun>()->paint, Paint{ZavelTokens::screenText1});
}

TEST(HardwareKeys, PressedKeyMovesDownByTwoUnits) {
  ButtonStyle style = HardwareKeyStyle(1.5);
  View face = KeyFace(30, 1.5, ZavelTokens::keyInk, EmptyView());
  EXPECT_EQ(framesOf(lay(style({face, true}), {40, 40}), "Circle").at(0),
            framesOf(lay(style({face, false}), {40, 40}), "Circle").at(0).offsetBy(0, 3));
}

TEST(MicroLabel, UpperCasedOnOneLineTrackedByTheRaisedSize) {
  // Given, shown, size, em, unit, weight, tracking; 9 points is raised halfway toward 18: 13.5.
  for (auto [given, shown, size, em, u, weight, tracking] :
       {std::tuple{"straße", "STRASSE", 24.0, 0.1, 1.0, FontWeight::regular, 2.4},
        {"a", "A", 9.0, 0.18, 0.5, FontWeight::bold, 13.5 * 0.18 * 0.5}}) {
    ZCtx ctx = context(u);
    LaidOutTree tree =
        lay(MicroLabel(given, size, em, ZavelTokens::screenText2, weight, ctx), {300, 40});
    const TextRun &run = *tree.root.findAll("Text").at(0)->as<TextRun>();
    EXPECT_EQ(std::tuple(run.text, run.style.font, run.style.lineLimit),
              std::tuple(shown, ctx.mono(size, weight), 1));
    EXPECT_NEAR(run.style.tracking, tracking, 1e-12) << size;
  }
}

TEST(SunArc, SunSitsOnTheArchAtItsFractionHeldToTheFeet) {
  // Height 40 at u = 0.5 in a 150 point wide area: h = 20, the feet 3 in from the corners.
  for (auto [t, center] : {std::pair{0.5, Point{75, 0.225 * 20 - 1.5}},
                           {1.4, {147, 17}},
                           {-0.2, {3, 17}},
                           {nan, {3, 17}}}) {
    std::vector<Rect> discs = framesOf(lay(SunArc(t, 40, 8, context(0.5)), {150, 20}), "Circle");
    ASSERT_EQ(discs.size(), 2u);
    std::string what = "t " + std::to_string(t);
    // The sun, 2 × 8 × 0.5 across, over its halo.
    expectRectNear(discs[1], rect(center.x - 4, center.y - 4, 8, 8), what);
    EXPECT_EQ(discs[0].midX(), discs[1].midX()) << what;
  }
}

std::vector<Rect> equalizer(bool playing, double u, double width) {
  return framesOf(lay(EqualizerBars(playing, context(u)), {width, 60}), "RoundedRectangle");
}

TEST(EqualizerBars, CountFillsTheWidthBarsLowerWhilePaused) {
  for (auto [u, width, count, rowWidth] :
       {std::tuple{1.0, 300.0, 27u, 292.0}, {0.5, 310.0, 56u, 305.5}}) {
    std::vector<Rect> row = equalizer(true, u, width), paused = equalizer(false, u, width);
    ASSERT_EQ(row.size(), count) << width;
    EXPECT_DOUBLE_EQ(row.back().maxX(), rowWidth) << width;
    // Paused, every bar at 0.35 of its height, still on the meter's bottom.
    EXPECT_NEAR(paused.at(3).size.height, 0.35 * row[3].size.height, 1e-12) << width;
    EXPECT_DOUBLE_EQ(paused.at(3).maxY(), row[3].maxY()) << width;
  }
}

TEST(EqualizerBars, AUnitGivingNoSensibleCountDrawsNoBarsAndATinyOneNoUnboundedRow) {
  for (double u : {0.0, -1.0, nan, inf, -inf})
    EXPECT_TRUE(equalizer(true, u, 300).empty()) << u;
  EXPECT_EQ(equalizer(true, 1, 0).size(), 18u); // a width but no room: still the floor of eighteen
  std::size_t count = equalizer(true, 1e-9, 300).size();
  EXPECT_TRUE(count >= 18 && count <= 256) << count;
}

} // namespace
} // namespace zavel
