#include "Shared/Data/ExtraModels/DaylightInfo.h"
#include "Shared/Data/ExtraModels/MoonInfo.h"
#include "Shared/Data/ExtraModels/NetworkSnapshot.h"
#include "Shared/Data/ExtraModels/QuoteItem.h"
#include "Shared/Data/ExtraModels/StorageSnapshot.h"
#include "Shared/Data/ExtraModels/SystemSnapshot.h"
#include "Shared/Data/ExtraModels/YearInfo.h"

#include "kit/foundation/Calendar.h"
#include "support/RecordCoding.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using namespace zavel;
using namespace zavel::test;

namespace {

const char *kSystem = R"({"cpuPercent":37,"memoryPercent":64.0,"gpuPercent":12})";
const char *kNetwork = R"({"downMBs":12,"upMBs":0.75})";
const char *kStorage = R"({"usedGB":412,"totalGB":994})";
const char *kMoon = R"({"phaseName":"Waxing Gibbous","illuminated":0.82,"waxing":true,
  "daysToFull":3,"daysToNew":18})";
const char *kDaylight = R"({"sunrise":760000000,"sunset":760056000.5,"place":"Lisbon",
  "timeZoneID":"Europe/Lisbon"})";
const char *kQuote = R"({"text":"Well begun is half done.","author":"Aristotle"})";

Date utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return Calendar::gregorian(TimeZone::utc()).date(year, month, day, hour, minute, second);
}

} // namespace

TEST(SkySystemDayRecords, JsonReadsAndRecordsWriteTheirMembers) {
  expectJsonForm(kSystem, SystemSnapshot{37, 64, 12},
                 R"({"cpuPercent":37,"memoryPercent":64,"gpuPercent":12})");
  expectJsonForm(R"({"cpuPercent":100,"memoryPercent":0,"gpuPercent":null})",
                 SystemSnapshot{100, 0, std::nullopt}, R"({"cpuPercent":100,"memoryPercent":0})");
  expectJsonForm(kNetwork, NetworkSnapshot{12, 0.75}, R"({"downMBs":12.0,"upMBs":0.75})");
  expectJsonForm(kStorage, StorageSnapshot{412, 994}, R"({"usedGB":412,"totalGB":994})");
  expectJsonForm(kMoon, MoonInfo{"Waxing Gibbous", 0.82, true, 3, 18},
                 R"({"phaseName":"Waxing Gibbous","illuminated":0.82,"waxing":true,
                     "daysToFull":3,"daysToNew":18})");
  expectJsonForm(kDaylight,
                 DaylightInfo{Date{760000000}, Date{760056000.5}, "Lisbon", "Europe/Lisbon"},
                 R"({"sunrise":760000000.0,"sunset":760056000.5,"place":"Lisbon",
                     "timeZoneID":"Europe/Lisbon"})");
  expectJsonForm(R"({"sunrise":-1,"sunset":1,"place":"Nowhere"})",
                 DaylightInfo{Date{-1}, Date{1}, "Nowhere", std::nullopt},
                 R"({"sunrise":-1.0,"sunset":1.0,"place":"Nowhere"})");
  expectJsonForm(kQuote, QuoteItem{"Well begun is half done.", "Aristotle"}, kQuote);
}

TEST(SkySystemDayRecords, AMissingOrMistypedRequiredMemberMakesTheRecordUnreadable) {
  expectEachChangeRejected<SystemSnapshot>(
      kSystem, {removed("cpuPercent"), removed("memoryPercent"), replaced("cpuPercent", 37.5),
                replaced("memoryPercent", "64"), replaced("gpuPercent", false)});
  expectEachChangeRejected<NetworkSnapshot>(kNetwork, {removed("downMBs"), removed("upMBs"),
                                                       replaced("downMBs", "12"),
                                                       replaced("upMBs", nullptr)});
  expectEachChangeRejected<StorageSnapshot>(
      kStorage,
      {removed("usedGB"), removed("totalGB"), replaced("usedGB", 1.5), replaced("totalGB", -1e19)});
  expectEachChangeRejected<MoonInfo>(
      kMoon, {removed("phaseName"), removed("illuminated"), removed("waxing"),
              removed("daysToFull"), removed("daysToNew"), replaced("waxing", 0),
              replaced("illuminated", "0.8"), replaced("daysToNew", 0.5)});
  expectEachChangeRejected<DaylightInfo>(kDaylight,
                                         {removed("sunrise"), removed("sunset"), removed("place"),
                                          replaced("sunrise", "05:02"), replaced("place", 1),
                                          replaced("timeZoneID", 3600)});
  expectEachChangeRejected<QuoteItem>(
      kQuote, {removed("text"), removed("author"), replaced("author", nullptr)});
}

TEST(MoonInfo, DetailCountsDownToTheNextFullOrNewMoon) {
  struct Case {
    bool waxing;
    int64_t toFull;
    int64_t toNew;
    const char *detail;
  } cases[] = {
      {true, 0, 0, "Full moon tonight"},
      {false, 0, 14, "Full moon tonight"},
      {false, 15, 0, "New moon tonight"},
      {true, 3, 18, "Full in 3 days"},
      {false, 3, 18, "New in 18 days"},
      {true, 1, 16, "Full in 1 days"},
      {true, -2, 12, "Full in -2 days"},
      {false, 9, std::numeric_limits<int64_t>::min(), "New in -9223372036854775808 days"},
  };
  for (const auto &c : cases)
    EXPECT_EQ((MoonInfo{"", 0.5, c.waxing, c.toFull, c.toNew}.detail()), c.detail);
}

TEST(DaylightInfo, LengthLabelGivesWholeHoursAndMinutes) {
  constexpr double kFar = 1e300;
  struct Case {
    Date sunrise;
    Date sunset;
    const char *label;
  } cases[] = {
      {utc(2025, 6, 1, 6), utc(2025, 6, 1, 18, 0, 59), "12H 0M"},
      {utc(2025, 6, 21, 5, 2), utc(2025, 6, 21, 20, 42), "15H 40M"},
      {utc(2025, 1, 1, 8), utc(2025, 1, 1, 17, 5), "9H 5M"},
      {Date{0}, Date{59.9}, "0H 0M"},
      {Date{9000}, Date{0}, "-2H -30M"},
      // Apart by more minutes than a 64-bit count holds: held at the largest count.
      {Date{-kFar}, Date{kFar}, "153722867280912930H 7M"},
      {Date{kFar}, Date{-kFar}, "-153722867280912930H -8M"},
      {Date{std::numeric_limits<double>::quiet_NaN()}, Date{0}, "0H 0M"},
  };
  for (const auto &c : cases)
    EXPECT_EQ((DaylightInfo{c.sunrise, c.sunset, "X", std::nullopt}.lengthLabel()), c.label)
        << c.sunrise.secondsSinceReferenceDate << " " << c.sunset.secondsSinceReferenceDate;
}

TEST(DaylightInfo, PlaceTimeZoneIsThePlacesKnownZoneElseTheCurrentOne) {
  ScopedLocaleAndZone fixed("en_GB", "America/Chicago");
  struct Case {
    std::optional<std::string> timeZoneID;
    const char *zone;
  } cases[] = {
      {"Asia/Tokyo", "Asia/Tokyo"},
      {std::nullopt, "America/Chicago"},
      {"Mars/Olympus_Mons", "America/Chicago"},
      {"", "America/Chicago"},
  };
  for (const auto &c : cases) {
    DaylightInfo info{Date{}, Date{}, "X", c.timeZoneID};
    EXPECT_EQ(info.placeTimeZone().identifier(), c.zone) << c.timeZoneID.value_or("none");
  }
}

TEST(DaylightInfo, SampleIsLondonFromTwoMinutesPastFiveToTwentyToNineToday) {
  const auto &sample = DaylightInfo::sample();
  EXPECT_EQ(&sample, &DaylightInfo::sample());
  EXPECT_EQ(sample.place, "London");
  EXPECT_FALSE(sample.timeZoneID);
  auto calendar = Calendar::current();
  auto sunrise = calendar.components(sample.sunrise);
  auto sunset = calendar.components(sample.sunset);
  EXPECT_EQ(std::tuple(sunrise.hour, sunrise.minute, sunrise.second), std::tuple(5, 2, 0));
  EXPECT_EQ(std::tuple(sunset.hour, sunset.minute, sunset.second), std::tuple(20, 42, 0));
  EXPECT_EQ(calendar.startOfDay(sample.sunrise), calendar.startOfDay(sample.sunset));
  EXPECT_EQ(sample.lengthLabel(), "15H 40M");
}

TEST(YearInfo, CurrentGivesTheYearTheDayInItAndItsLength) {
  auto gregorian = Calendar::gregorian(TimeZone::utc());
  struct Case {
    Date date;
    YearInfo info;
  } cases[] = {
      {utc(2024, 12, 31, 23, 59, 59), {2024, 366, 366}},
      {utc(2025, 1, 1), {2025, 1, 365}},
      {utc(2025, 3, 1, 12), {2025, 60, 365}},
      {utc(2024, 3, 1, 12), {2024, 61, 366}},
      {utc(1900, 12, 31), {1900, 365, 365}},
      {utc(2000, 12, 31), {2000, 366, 366}},
  };
  for (const auto &c : cases) {
    auto info = YearInfo::current(c.date, gregorian);
    EXPECT_EQ(info, c.info) << c.date.secondsSinceReferenceDate;
    EXPECT_EQ(std::tuple(info.day(), info.days()), std::tuple(c.info.dayOfYear, c.info.daysInYear));
  }
}

TEST(YearInfo, CurrentFollowsTheCurrentCalendarAndZone) {
  // 31 December 2024, 20:00 UTC: already 2025 in Tokyo, and 2568 in the Buddhist era.
  Date date = utc(2024, 12, 31, 20);
  {
    ScopedLocaleAndZone fixed("en_US", "Asia/Tokyo");
    EXPECT_EQ(YearInfo::current(date), (YearInfo{2025, 1, 365}));
  }
  {
    ScopedLocaleAndZone fixed("th_TH", "Asia/Bangkok");
    EXPECT_EQ(YearInfo::current(date), (YearInfo{2568, 1, 365}));
  }
}
