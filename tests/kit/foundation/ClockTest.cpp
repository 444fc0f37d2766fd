#include "kit/foundation/Clock.h"

#include <ctime>
#include <gtest/gtest.h>

using kit::foundation::Clock;
using kit::foundation::Date;

TEST(Clock, SystemClockCountsFromTheReferenceDate) {
  double unixNow = static_cast<double>(std::time(nullptr));
  EXPECT_NEAR(Clock().now().secondsSinceReferenceDate, unixNow - 978307200.0, 2.0);
}

TEST(Clock, FixedAndScriptedClocksReadWhatTheyAreGiven) {
  EXPECT_EQ(Clock::fixed(Date{-5.5}).now(), Date{-5.5});
  Date scripted{100};
  Clock clock([&] { return scripted; });
  scripted = scripted.addingTimeInterval(60);
  EXPECT_EQ(clock.now(), Date{160});
}
