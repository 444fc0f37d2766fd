#include "kit/foundation/TimeZone.h"

#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>

using kit::foundation::dateFromIso8601;
using kit::foundation::TimeZone;
using zavel::test::ScopedEnvironment;

TEST(TimeZone, UnknownIdentifiersAreAbsentNeverAnUnknownZone) {
  for (const char *known : {"GMT+05:30", "US/Pacific"})
    EXPECT_EQ(TimeZone::named(known)->identifier(), known);
  for (const char *unknown : {"Mars/Olympus_Mons", "", "Etc/Unknown", "london"})
    EXPECT_FALSE(TimeZone::named(unknown)) << unknown;
}

TEST(TimeZone, OffsetFollowsDaylightSavingChanges) {
  auto offset = [](const char *zone, const char *moment) {
    return TimeZone::named(zone)->secondsFromGMT(*dateFromIso8601(moment));
  };
  EXPECT_EQ(offset("Europe/Berlin", "2024-03-31T00:59:59Z"), 3600);
  EXPECT_EQ(offset("Europe/Berlin", "2024-03-31T01:00:00Z"), 7200);
  EXPECT_EQ(offset("GMT-03:30", "2024-07-01T12:00:00Z"), -12600);
}

TEST(TimeZone, CurrentZoneComesFromTZThenLocaltimeThenUTC) {
  for (auto [tz, expected] : {std::pair{":Europe/Paris", "Europe/Paris"},
                              {"/usr/share/zoneinfo/America/Denver", "America/Denver"},
                              {"Nowhere/Land", "UTC"},
                              {"", "UTC"}}) {
    ScopedEnvironment environment({{"TZ", std::string(tz)}});
    EXPECT_EQ(TimeZone::current().identifier(), expected) << tz;
  }
  ScopedEnvironment noVariable({{"TZ", std::nullopt}});
  std::error_code error;
  auto link = std::filesystem::read_symlink("/etc/localtime", error);
  if (error)
    GTEST_SKIP() << "/etc/localtime is not a link here";
  auto expected = link.string().substr(link.string().rfind("zoneinfo/") + 9);
  EXPECT_EQ(TimeZone::current().identifier(), expected);
}
