#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/EqualizerBars.h"
#include "Shared/Views/Hardware/HardwareKeys.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/SunArc.h"
#include "Shared/Views/ViewTesting.h"

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
  struct Case {
    std::string given, shown;
    double size, em, u;
    FontWeight weight;
    double tracking;
  };
  for (const Case &c : {
           Case{.given = "straße",
          .shown = "STRASSE",
          .size = 24,
          .em = 0.1,
          .u = 1,
          .weight = FontWeight::regular,
          .tracking = 2.4},
           // 9 is raised halfway toward 18.
           Case{.given = "a",
           .shown = "A",
           .size = 9,
           .em = 0.18,
           .u = 0.5,
           .weight = FontWeight::bold,
           .tracking = 13.5 * 0.18 * 0.5},
       }) {
    ZCtx ctx = context(c.u);
    LaidOutTree tree =
        lay(MicroLabel(c.given, c.size, c.em, ZavelTokens::screenText2, c.weight, ctx), {300, 40});
    const TextRun &label = run(*tree.root.findAll("Text").at(0));
    EXPECT_EQ(label.text, c.shown);
    EXPECT_EQ(label.style.font, ctx.mono(c.size, c.weight)) << c.given;
    EXPECT_EQ(label.style.lineLimit, 1) << c.given;
    EXPECT_NEAR(label.style.tracking, c.tracking, 1e-12) << c.given;
  }
}

TEST(SunArc, SunSitsOnTheArchAtItsFractionHeldToTheFeet) {
  // Height 40 at u = 0.5 in a 150 point wide area: h = 20, the feet 3 in from the corners.
  struct Case {
    const char *name;
    double t;
    Point center;
  };
  for (const Case &c : {
           Case{.name = "halfway", .t = 0.5, .center = {75, 0.225 * 20 - 1.5}},
           Case{.name = "past the end", .t = 1.4, .center = {147, 17}},
           Case{.name = "before the start", .t = -0.2, .center = {3, 17}},
           Case{.name = "not a number", .t = nan, .center = {3, 17}},
       }) {
    std::vector<Rect> discs = framesOf(
        lay(SunArc(c.t, {.height = 40, .sunRadius = 8}, context(0.5)), {150, 20}), "Circle");
    ASSERT_EQ(discs.size(), 2u);
    // The sun, 2 × 8 × 0.5 across, over its halo.
    expectRectNear(discs[1], rect(c.center.x - 4, c.center.y - 4, 8, 8), c.name);
    EXPECT_EQ(discs[0].midX(), discs[1].midX()) << c.name;
  }
}

std::vector<Rect> equalizer(bool playing, double u, double width) {
  return framesOf(lay(EqualizerBars(playing, context(u)), {width, 60}), "RoundedRectangle");
}

TEST(EqualizerBars, CountFillsTheWidthBarsLowerWhilePaused) {
  struct Case {
    double u, width;
    std::size_t count;
    double rowWidth;
  };
  for (const Case &c : {Case{.u = 1, .width = 300, .count = 27, .rowWidth = 292},
                        Case{.u = 0.5, .width = 310, .count = 56, .rowWidth = 305.5}}) {
    std::vector<Rect> row = equalizer(true, c.u, c.width), paused = equalizer(false, c.u, c.width);
    ASSERT_EQ(row.size(), c.count) << c.width;
    EXPECT_DOUBLE_EQ(row.back().maxX(), c.rowWidth) << c.width;
    // Paused, every bar at 0.35 of its height, still on the meter's bottom.
    EXPECT_NEAR(paused.at(3).size.height, 0.35 * row[3].size.height, 1e-12) << c.width;
    EXPECT_DOUBLE_EQ(paused.at(3).maxY(), row[3].maxY()) << c.width;
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
