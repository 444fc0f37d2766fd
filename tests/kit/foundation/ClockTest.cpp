#include "kit/foundation/Clock.h"

#include <ctime>
#include <gtest/gtest.h>

TEST(Clock, SystemClockCountsFromTheReferenceDate) {
  double unixNow = static_cast<double>(std::time(nullptr));
  EXPECT_NEAR(kit::foundation::Clock().now().secondsSinceReferenceDate, unixNow - 978307200.0, 2.0);
}
