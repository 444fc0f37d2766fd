#include "Shared/Views/Hardware/EqualizerBars.h"
#include "HardwareTesting.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

std::vector<Rect> bars(bool playing, double u, double width) {
  return kit::ui::testing::framesOf(lay(EqualizerBars(playing, context(u)), {width, 60}),
                                    "RoundedRectangle");
}

TEST(EqualizerBars, CountFillsTheWidthButIsNeverBelowEighteen) {
  struct Case {
    double u, width;
    std::size_t count;
    double rowWidth;
  };
  for (const Case &c : {Case{1, 300, 27, 292}, Case{1, 120, 18, 193}, Case{0.5, 310, 56, 305.5}}) {
    std::vector<Rect> row = bars(true, c.u, c.width);
    ASSERT_EQ(row.size(), c.count) << c.width;
    EXPECT_DOUBLE_EQ(row.front().minX(), 0) << c.width;
    EXPECT_DOUBLE_EQ(row.back().maxX(), c.rowWidth) << c.width;
  }
}

TEST(EqualizerBars, HeightsFollowTheFixedPatternLoweredWhilePaused) {
  const double pattern[] = {8, 26, 21, 30, 25, 11, 29, 15, 33, 19, 14, 32, 18, 36, 22, 17, 26, 21};
  std::vector<Rect> playing = bars(true, 0.5, 300), paused = bars(false, 0.5, 300);
  ASSERT_EQ(playing.size(), paused.size());
  for (std::size_t i = 0; i < 18; ++i) {
    EXPECT_DOUBLE_EQ(playing[i].size.height, pattern[i] * 0.5) << i;
    EXPECT_NEAR(paused[i].size.height, pattern[i] * 0.35 * 0.5, 1e-12) << i;
    EXPECT_DOUBLE_EQ(paused[i].maxY(), playing[i].maxY()) << i; // on the meter's bottom
  }
}

TEST(EqualizerBars, AUnitGivingNoSensibleCountDrawsNoBarsAndATinyOneNoUnboundedRow) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double u : {0.0, -1.0, nan, inf, -inf})
    EXPECT_TRUE(bars(true, u, 300).empty()) << u;
  EXPECT_EQ(bars(true, 1, 0).size(), 18u); // a width but no room: still the floor of eighteen
  std::vector<Rect> row = bars(true, 1e-9, 300);
  EXPECT_GE(row.size(), 18u);
  EXPECT_LE(row.size(), 256u);
}

} // namespace
} // namespace zavel
