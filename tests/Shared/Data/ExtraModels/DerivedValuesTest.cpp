#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"
#include "Shared/Data/ExtraModels/DaylightInfo.h"
#include "Shared/Data/ExtraModels/MoonInfo.h"
#include "Shared/Data/ExtraModels/NowPlayingSnapshot.h"
#include "Shared/Data/ExtraModels/YearInfo.h"

#include "kit/foundation/Calendar.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using namespace zavel;

namespace {

constexpr int64_t kMaxInt = std::numeric_limits<int64_t>::max();
constexpr int64_t kMinInt = std::numeric_limits<int64_t>::min();

Date utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return Calendar::gregorian(TimeZone::utc()).date(year, month, day, hour, minute, second);
}

} // namespace

TEST(NowPlayingSnapshot, TrackIntervalRunsFromTheTrackStartOverItsLength) {
  using Interval = NowPlayingSnapshot::Interval;
  struct Case {
    int64_t position, duration;
    std::optional<Interval> interval;
  } cases[] = {
      {kMaxInt, kMinInt, std::nullopt},
      {300, 245, Interval{Date{700}, Date{945}}}, // past its end: still the track's length
      {-10, 60, Interval{Date{1010}, Date{1070}}},
      // So far back that the length is lost in the date's precision: no span at all.
      {kMaxInt, 245, std::nullopt},
  };
  for (const auto &c : cases) {
    NowPlayingSnapshot snapshot{"T", "A", c.position, c.duration, true, Date{1000}};
    EXPECT_EQ(snapshot.trackInterval(), c.interval) << c.position << " " << c.duration;
  }
}

TEST(AirQualitySnapshot, CategoryIsTheBandOfTheIndex) {
  auto category = [](int64_t aqi) { return AirQualitySnapshot{aqi, Date{}}.category(); };
  EXPECT_EQ(category(kMinInt), "Good");
  EXPECT_EQ(category(50) + " | " + category(51), "Good | Moderate");
  EXPECT_EQ(category(kMaxInt), "Hazardous");
}

TEST(MoonInfo, DetailCountsDownToTheNextFullOrNewMoon) {
  EXPECT_EQ((MoonInfo{"", 1, false, 0, 14}.detail()), "Full moon tonight");
  EXPECT_EQ((MoonInfo{"", 0.5, true, 3, 18}.detail()), "Full in 3 days");
  EXPECT_EQ((MoonInfo{"", 0.5, false, 3, 18}.detail()), "New in 18 days");
}

TEST(DaylightInfo, LengthInWholeHoursAndMinutesAndThePlacesZoneElseTheCurrentOne) {
  constexpr double kFar = 1e300;
  struct Case {
    Date sunrise, sunset;
    const char *label;
  } cases[] = {
      {utc(2025, 6, 1, 6), utc(2025, 6, 1, 18, 0, 59), "12H 0M"},
      {Date{9000}, Date{0}, "-2H -30M"},
      // Apart by more minutes than a 64-bit count holds: held at the largest count.
      {Date{-kFar}, Date{kFar}, "153722867280912930H 7M"},
      {Date{std::numeric_limits<double>::quiet_NaN()}, Date{0}, "0H 0M"},
  };
  for (const auto &c : cases)
    EXPECT_EQ((DaylightInfo{c.sunrise, c.sunset, "X", std::nullopt}.lengthLabel()), c.label);

  test::ScopedLocaleAndZone fixed("en_GB", "America/Chicago");
  std::pair<std::optional<std::string>, const char *> zones[] = {
      {"Asia/Tokyo", "Asia/Tokyo"}, {std::nullopt, "America/Chicago"}, {"", "America/Chicago"}};
  for (const auto &[id, zone] : zones)
    EXPECT_EQ((DaylightInfo{Date{}, Date{}, "X", id}.placeTimeZone().identifier()), zone);
}

TEST(YearInfo, CurrentGivesTheYearTheDayInItAndItsLengthInTheCurrentCalendarAndZone) {
  EXPECT_EQ(YearInfo::current(utc(2024, 12, 31, 23, 59, 59), Calendar::gregorian(TimeZone::utc())),
            (YearInfo{2024, 366, 366}));
  // 31 December 2024, 20:00 UTC: already 2025 in Tokyo.
  Date date = utc(2024, 12, 31, 20);
  test::ScopedLocaleAndZone tokyo("en_US", "Asia/Tokyo");
  EXPECT_EQ(YearInfo::current(date), (YearInfo{2025, 1, 365}));
}
