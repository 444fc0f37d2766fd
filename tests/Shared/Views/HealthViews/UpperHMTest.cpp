#include "Shared/Views/HealthViews/UpperHM.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

TEST(UpperHM, MinutesAloneUnderAnHourThenWholeHoursAndUnpaddedMinutes) {
  struct Case {
    int64_t minutes = 0;
    const char *separator, *unit, *text;
  };
  for (const Case &c : {Case{.minutes = 0, .separator = "H ", .unit = "M", .text = "0M"},
                        Case{.minutes = 59, .separator = "h ", .unit = "m", .text = "59m"},
                        Case{.minutes = 60, .separator = "H ", .unit = "M", .text = "1H 0M"},
                        Case{.minutes = 65, .separator = "h ", .unit = "m", .text = "1h 5m"},
                        Case{.minutes = 204, .separator = "H ", .unit = "M", .text = "3H 24M"},
                        Case{.minutes = INT64_MAX,
                        .separator = "H ",
                        .unit = "M",
                        .text = "153722867280912930H 7M"}}) {
    EXPECT_EQ(upperHM(c.minutes, c.separator, c.unit), c.text) << c.minutes;
  }
}

} // namespace
} // namespace zavel
