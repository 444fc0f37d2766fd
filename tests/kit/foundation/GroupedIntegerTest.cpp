#include "kit/foundation/GroupedInteger.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using namespace kit::foundation;

TEST(GroupedInteger, GroupsDigitsByTheLocale) {
  struct Case {
    const char *name, *locale;
    std::int64_t value;
    const char *text;
  } cases[] = {
      {.name = "comma", .locale = "en_US", .value = 12480, .text = "12,480"},
      {.name = "full stop", .locale = "de_DE", .value = 12480, .text = "12.480"},
      {.name = "narrow no-break space", .locale = "fr_FR", .value = 12480, .text = "12\u202F480"},
      {.name = "Indian lakh grouping", .locale = "hi_IN", .value = 12345678, .text = "1,23,45,678"},
      {.name = "four digits stay whole where the locale says so",
       .locale = "es_ES",
       .value = 1234,
       .text = "1234"},
      {.name = "small negative", .locale = "en_US", .value = -7, .text = "-7"},
      {.name = "largest",
       .locale = "en_US",
       .value = INT64_MAX,
       .text = "9,223,372,036,854,775,807"},
      {.name = "smallest",
       .locale = "de_DE",
       .value = INT64_MIN,
       .text = "-9.223.372.036.854.775.808"},
      {.name = "unknown numbering system falls back to plain digits",
       .locale = "en_US@numbers=bogus",
       .value = -12480,
       .text = "-12480"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(groupedInteger(c.value, Locale(c.locale)), c.text) << c.name;
}

TEST(GroupedInteger, DefaultsToTheCurrentLocale) {
  zavel::test::ScopedLocaleAndZone fixed("de_DE.UTF-8", "UTC");
  EXPECT_EQ(groupedInteger(1000000), "1.000.000");
}
