#include "kit/foundation/Iso8601.h"

#include <gtest/gtest.h>

using kit::foundation::Date;
using kit::foundation::dateFromIso8601;
using kit::foundation::iso8601String;

TEST(Iso8601, WritesUtcWithWholeOrFractionalSeconds) {
  struct Case {
    double seconds;
    bool fraction;
    const char *text;
  } cases[] = {
      {0, false, "2001-01-01T00:00:00Z"},
      {-978307200, false, "1970-01-01T00:00:00Z"},
      {-1, false, "2000-12-31T23:59:59Z"},
      {-0.25, false, "2000-12-31T23:59:59Z"}, // rounded down, not toward zero
      {-0.25, true, "2000-12-31T23:59:59.750Z"},
      {733232000.5, true, "2024-03-27T11:33:20.500Z"},
      {67651200, false, "2003-02-23T00:00:00Z"},
      {99705600, false, "2004-02-29T00:00:00Z"},
      {-31588531200, false, "1000-01-01T00:00:00Z"},
      {3129235200, false, "2100-03-01T00:00:00Z"}, // 2100 is no leap year
  };
  for (const auto &c : cases)
    EXPECT_EQ(iso8601String(Date{c.seconds}, c.fraction), c.text) << c.seconds;
}

TEST(Iso8601, ReadsZonesAndFractionsAndRefusesMalformedText) {
  struct Case {
    const char *text;
    std::optional<double> seconds;
  } cases[] = {
      {"2001-01-01T00:00:00Z", 0},
      {"2001-01-01T01:00:00+01:00", 0},
      {"2001-01-01T05:30:00+0530", 0},
      {"2000-12-31T19:00:00-05", 0},
      {"2001-01-01T00:00:00.25Z", 0.25},
      {"2024-02-29T12:00:00Z", 730900800},
      {"2023-02-29T12:00:00Z", std::nullopt}, // not a leap year
      {"2024-13-01T00:00:00Z", std::nullopt},
      {"2024-01-01T24:00:00Z", std::nullopt},
      {"2024-01-01T00:00:00", std::nullopt}, // no zone
      {"2024-01-01 00:00:00Z", std::nullopt},
      {"2024-01-01T00:00:00Zjunk", std::nullopt},
      {"2024-01-01T00:00:00.Z", std::nullopt},
      {"2024-1-01T00:00:00Z", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto &c : cases) {
    auto date = dateFromIso8601(c.text);
    ASSERT_EQ(date.has_value(), c.seconds.has_value()) << c.text;
    if (date) {
      EXPECT_DOUBLE_EQ(date->secondsSinceReferenceDate, *c.seconds) << c.text;
    }
  }
}

TEST(Iso8601, WrittenTextReadsBackAcrossCenturies) {
  for (double seconds : {-63113904000.0, -1e9, 0.0, 12345678.0, 3e9, 2.5e11}) {
    auto text = iso8601String(Date{seconds});
    auto back = dateFromIso8601(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(back->secondsSinceReferenceDate, seconds) << text;
  }
}
