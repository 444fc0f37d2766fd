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

TEST(EqualizerBars, CountFillsTheWidthBarsLowerWhilePaused) {
  for (auto [u, width, count, rowWidth] :
       {std::tuple{1.0, 300.0, 27u, 292.0}, {0.5, 310.0, 56u, 305.5}}) {
    std::vector<Rect> row = bars(true, u, width);
    ASSERT_EQ(row.size(), count) << width;
    EXPECT_DOUBLE_EQ(row.back().maxX(), rowWidth) << width;
    // Paused, every bar at 0.35 of its height, still on the meter's bottom.
    std::vector<Rect> paused = bars(false, u, width);
    EXPECT_NEAR(paused.at(3).size.height, 0.35 * row[3].size.height, 1e-12) << width;
    EXPECT_DOUBLE_EQ(paused.at(3).maxY(), row[3].maxY()) << width;
  }
}

TEST(EqualizerBars, AUnitGivingNoSensibleCountDrawsNoBarsAndATinyOneNoUnboundedRow) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double u : {0.0, -1.0, nan, inf, -inf})
    EXPECT_TRUE(bars(true, u, 300).empty()) << u;
  EXPECT_EQ(bars(true, 1, 0).size(), 18u); // a width but no room: still the floor of eighteen
  std::size_t count = bars(true, 1e-9, 300).size();
  EXPECT_TRUE(count >= 18 && count <= 256) << count;
}

} // namespace
} // namespace zavel
