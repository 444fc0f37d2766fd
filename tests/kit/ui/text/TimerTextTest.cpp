#include "kit/ui/text/TimerText.h"

#include <gtest/gtest.h>

#include <limits>

namespace kit::ui {
namespace {

using foundation::Date;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
const Date start{700'000'000};

TEST(TimerText, IntervalShowsTheTextOfTheRenderMoment) {
  struct Case {
    double length, elapsed;
    TimerCounting counting;
    bool showsHours;
    const char *text;
  } cases[] = {
      {1500, 0, TimerCounting::down, true, "25:00"},
      {1500, 0.2, TimerCounting::down, true, "25:00"}, // a part second left still shows
      {1500, 1499.5, TimerCounting::down, true, "0:01"},
      {1500, 9000, TimerCounting::down, true, "0:00"}, // over: held at the end
      {1500, -60, TimerCounting::down, true, "25:00"}, // not begun: held at the length
      {5400, 0, TimerCounting::down, true, "1:30:00"},
      {5400, 0, TimerCounting::down, false, "90:00"},
      {240, 192.9, TimerCounting::up, true, "3:12"}, // counting up drops the fraction
      {240, 500, TimerCounting::up, true, "4:00"},
      {240, -5, TimerCounting::up, true, "0:00"},
      {40000, 3725, TimerCounting::up, false, "62:05"},
      {-100, 10, TimerCounting::up, true, "0:00"}, // an end before the start
  };
  for (const auto &c : cases) {
    Date end = start.addingTimeInterval(c.length);
    Date now = start.addingTimeInterval(c.elapsed);
    EXPECT_EQ(timerText(start, end, now, c.counting, c.showsHours), c.text)
        << c.length << " " << c.elapsed;
  }
}

TEST(TimerText, DateCountsSinceItAndDownToIt) {
  struct Case {
    double offset;
    const char *text;
  } cases[] = {
      {59.9, "0:59"}, {131999, "36:39:59"},      {-0.5, "0:01"},
      {nan, "0:00"},  {1e300, "27777777:46:40"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(timerText(start, start.addingTimeInterval(c.offset)), c.text) << c.offset;
}

TEST(TimerText, UnboundedDatesGiveATextAndNoFault) {
  Date far{std::numeric_limits<double>::infinity()};
  EXPECT_EQ(timerText(start, far, start.addingTimeInterval(61), TimerCounting::up), "1:01");
  EXPECT_EQ(timerText(start, Date{nan}, start, TimerCounting::down), "0:00");
  EXPECT_EQ(timerText(start, far, start, TimerCounting::down), "27777777:46:40");
}

} // namespace
} // namespace kit::ui
