#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/EqualizerBars.h"
#include "Shared/Views/Hardware/HardwareKeys.h"
#include "Shared/Views/Hardware/LEDDot.h"
#include "Shared/Views/Hardware/SunArc.h"
#include "Shared/Views/Hardware/SunCloudArt.h"
#include "Shared/Views/Hardware/ZRing.h"
#include "kit/ui/RenderTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using kit::ui::testing::draw;
using kit::ui::testing::mix;
using kit::ui::testing::near;
using zavel::testing::context;

TEST(HardwarePixels, ScreenGlassInsideThePaneAndNothingInTheMargin) {
  // Small widget at u = 0.5: the pane spans 7...163 with corners of radius 21.
  Image image = draw(DeviceScreen(context(0.5), EmptyView()), {170, 170}, 2);
  Color middle = image.pixel(170, 170);
  EXPECT_TRUE(near(middle, mix(ZavelTokens::screenTop, ZavelTokens::screenBottom, 0.45), 0.03));
  EXPECT_EQ(middle.alpha, 1);
  for (auto [x, y] : {std::pair{6, 170}, {170, 6}, {333, 170}, {170, 333}, {16, 16}, {322, 322}})
    EXPECT_EQ(image.pixel(x, y).alpha, 0) << x << "," << y;
  // Four points inside the edge the rim still darkens the glass along the top, where it is
  // deepest, and much less along the bottom.
  double top = image.pixel(170, 22).red / ZavelTokens::screenTop.red;
  double bottom =
      image.pixel(170, 318).red / mix(ZavelTokens::screenTop, ZavelTokens::screenBottom, 0.88).red;
  EXPECT_LT(top, 0.75);
  EXPECT_LT(top, bottom - 0.15);
}

TEST(HardwarePixels, LitAndUnlitLEDs) {
  const Color lit = ZavelTokens::dataTeal;
  EXPECT_TRUE(near(draw(LEDDot(true, lit, 10, context(1)), {10, 10}, 2).pixel(10, 10), lit));
  EXPECT_TRUE(near(draw(LEDDot(false, lit, 10, context(1)), {10, 10}, 2).pixel(10, 10),
                   ZavelTokens::barGray));
  EXPECT_EQ(draw(LEDDot(true, lit, 10, context(1)), {10, 10}, 2).pixel(1, 1).alpha, 0);
}

TEST(HardwarePixels, KeyFacesShadeFromTopToBottom) {
  Image plain = draw(KeyFace(40, 1, ZavelTokens::keyInk, EmptyView()), {60, 60}, 1);
  // The cap spans 10...50; probe on its vertical centre line, away from the rim.
  EXPECT_TRUE(near(plain.pixel(30, 22), mix(ZavelTokens::keyFaceA, ZavelTokens::keyFaceB, 0.3)));
  EXPECT_TRUE(near(plain.pixel(30, 42), mix(ZavelTokens::keyFaceA, ZavelTokens::keyFaceB, 0.8)));
  // The shadow falls below the cap.
  EXPECT_GT(plain.pixel(30, 53).alpha, 0.05);
  EXPECT_LT(plain.pixel(30, 5).alpha, plain.pixel(30, 53).alpha);

  const Color accent = ZavelTokens::signal;
  Image lit = draw(AccentKeyFace(40, 1, accent, EmptyView()), {60, 60}, 1);
  Color top = mixed(accent, ZavelTokens::accentKeyMixTarget, 0.2);
  EXPECT_TRUE(near(lit.pixel(30, 22), mix(top, accent, 0.3)));
  // Lower down the inner shade darkens the accent.
  Color low = lit.pixel(30, 46);
  EXPECT_LT(low.red + low.green + low.blue, accent.red + accent.green + accent.blue - 0.05);
}

TEST(HardwarePixels, BarsAndRingShowFillOverTrack) {
  Image bar =
      draw(TrackBar(0.5, 10, ZavelTokens::signal, ZavelTokens::track, context(1)), {100, 10}, 1);
  EXPECT_TRUE(near(bar.pixel(25, 5), ZavelTokens::signal));
  EXPECT_TRUE(near(bar.pixel(75, 5), ZavelTokens::track));

  // A 40 point ring with a 6 point line, centred in 60 × 60.
  auto ring = [](double progress) {
    return draw(ZRing(progress, 40, 6, ZavelTokens::signal, ZavelTokens::track, context(1)),
                {60, 60}, 1);
  };
  Image quarter = ring(0.25);
  EXPECT_TRUE(near(quarter.pixel(35, 10), ZavelTokens::signal)); // past 12 o'clock
  EXPECT_TRUE(near(quarter.pixel(50, 25), ZavelTokens::signal)); // before 3 o'clock
  EXPECT_TRUE(near(quarter.pixel(10, 30), ZavelTokens::track));  // 9 o'clock
  EXPECT_TRUE(near(quarter.pixel(30, 30), Color::clear));
  // No round-cap dot at 12 o'clock when there is no progress.
  EXPECT_TRUE(near(ring(0).pixel(30, 10), ZavelTokens::track));
}

TEST(HardwarePixels, EqualizerSunAndCloud) {
  Image meter = draw(EqualizerBars(true, context(1)), {300, 38}, 1);
  // Bar 13 (36 high) at x 143...149; bar 0 is only 8 high.
  EXPECT_TRUE(near(meter.pixel(146, 20), ZavelTokens::dataTeal));
  EXPECT_EQ(meter.pixel(3, 20).alpha, 0);
  EXPECT_TRUE(near(meter.pixel(3, 34), ZavelTokens::dataTeal));

  Image arc = draw(SunArc(0.5, 60, 6, context(1)), {200, 60}, 1);
  // The sun sits at (100, 0.225 × 60 − 3).
  EXPECT_TRUE(near(arc.pixel(100, 11), ZavelTokens::sunYellow));

  Image art = draw(SunCloudArt(true, context(1)), {120, 86}, 1);
  EXPECT_TRUE(near(art.pixel(60, 84), ZavelTokens::cloudGray));
  Color sun = art.pixel(100, 25);
  EXPECT_GT(sun.red, sun.blue + 0.3); // warm, between the two sun colours
  EXPECT_EQ(art.pixel(5, 5).alpha, 0);
}

} // namespace
} // namespace zavel
