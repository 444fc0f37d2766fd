#include "kit/foundation/Iso8601.h"

#include <cmath>
#include <gtest/gtest.h>

using kit::foundation::Date;
using kit::foundation::dateFromIso8601;
using kit::foundation::iso8601String;

TEST(Iso8601, WritesUtcWithWholeOrFractionalSecondsAndReadsItBack) {
  struct Case {
    double seconds;
    bool fraction;
    const char *text;
  } cases[] = {
      {-978307200, false, "1970-01-01T00:00:00Z"},
      {-0.25, false, "2000-12-31T23:59:59Z"}, // rounded down, not toward zero
      {-0.25, true, "2000-12-31T23:59:59.750Z"},
      {3129235200, false, "2100-03-01T00:00:00Z"}, // 2100 is no leap year
  };
  for (const auto &c : cases) {
    EXPECT_EQ(iso8601String(Date{c.seconds}, c.fraction), c.text) << c.seconds;
    if (c.fraction || c.seconds == std::floor(c.seconds)) {
      EXPECT_EQ(dateFromIso8601(c.text), Date{c.seconds}) << c.text;
    }
  }
}

TEST(Iso8601, ReadsZonesAndFractionsAndRefusesMalformedText) {
  for (auto [text, seconds] : {std::pair{"2001-01-01T01:00:00+01:00", 0.0},
                               {"2001-01-01T05:30:00+0530", 0.0},
                               {"2000-12-31T19:00:00-05", 0.0},
                               {"2001-01-01T00:00:00.25Z", 0.25}})
    EXPECT_EQ(dateFromIso8601(text), Date{seconds}) << text;
  // Not a leap year, month 13, hour 24, no zone, trailing text, empty fraction, one-digit month.
  for (const char *text : {"2023-02-29T12:00:00Z", "2024-13-01T00:00:00Z", "2024-01-01T24:00:00Z",
                           "2024-01-01T00:00:00", "2024-01-01T00:00:00Zjunk",
                           "2024-01-01T00:00:00.Z", "2024-1-01T00:00:00Z"})
    EXPECT_FALSE(dateFromIso8601(text)) << text;
}
