#include "kit/ui/text/TimerText.h"

#include <gtest/gtest.h>

#include <limits>

namespace kit::ui {
namespace {

using foundation::Date;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
const Date start{700'000'000};

TEST(TimerText, IntervalShowsTheTextOfTheRenderMoment) {
  constexpr auto down = TimerCounting::down, up = TimerCounting::up;
  const std::tuple<double, double, TimerCounting, bool, const char *> cases[] = {
      {1500, 0.2, down, true, "25:00"}, // a part second left still shows
      {1500, 9000, down, true, "0:00"}, // over: held at the end
      {1500, -60, down, true, "25:00"}, // not begun: held at the length
      {5400, 0, down, true, "1:30:00"}, // hours shown
      {5400, 0, down, false, "90:00"},  // or folded into the minutes
      {240, 192.9, up, true, "3:12"},   // counting up drops the fraction
      {-100, 10, up, true, "0:00"},     // an end before the start
  };
  for (const auto &[length, elapsed, counting, showsHours, text] : cases)
    EXPECT_EQ(timerText(start, start.addingTimeInterval(length), start.addingTimeInterval(elapsed),
                        counting, showsHours),
              text)
        << length << " " << elapsed;
}

TEST(TimerText, DateCountsSinceItAndDownToIt) {
  const std::pair<double, const char *> cases[] = {
      {59.9, "0:59"}, {131999, "36:39:59"},      {-0.5, "0:01"},
      {nan, "0:00"},  {1e300, "27777777:46:40"},
  };
  for (const auto &[offset, text] : cases)
    EXPECT_EQ(timerText(start, start.addingTimeInterval(offset)), text) << offset;
}

TEST(TimerText, UnboundedDatesGiveATextAndNoFault) {
  Date far{std::numeric_limits<double>::infinity()};
  EXPECT_EQ(timerText(start, far, start.addingTimeInterval(61), TimerCounting::up), "1:01");
  EXPECT_EQ(timerText(start, Date{nan}, start, TimerCounting::down), "0:00");
  EXPECT_EQ(timerText(start, far, start, TimerCounting::down), "27777777:46:40");
}

} // namespace
} // namespace kit::ui
