#include "Shared/Data/SkyMath.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Calendar;
using kit::foundation::Date;
using kit::foundation::TimeZone;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct Place {
  const char *name;
  double latitude;
  double longitude;
  const char *zone;
};

const Place london{"London", 51.5074, -0.1278, "Europe/London"};
const Place newYork{"New York", 40.7128, -74.0060, "America/New_York"};
const Place sydney{"Sydney", -33.8688, 151.2093, "Australia/Sydney"};
const Place reykjavik{"Reykjavik", 64.1466, -21.9426, "Atlantic/Reykjavik"};
const Place honolulu{"Honolulu", 21.3069, -157.8583, "Pacific/Honolulu"};

Calendar calendarIn(const char *zone) { return Calendar::gregorian(*TimeZone::named(zone)); }

// A wall time at the place; a day of 22 with hour 0 is the night after the 21st.
Date wallTime(const Place &place, int year, int month, int day, int hour, int minute) {
  return calendarIn(place.zone).date(year, month, day, hour, minute);
}

std::string shown(std::optional<Date> date) {
  return date ? kit::foundation::iso8601String(*date) : "none";
}

struct Almanac {
  const Place &place;
  int year, month, day;
  int riseDay, riseHour, riseMinute; // local wall time of the published sunrise
  int setDay, setHour, setMinute;    // and sunset
};

// Published almanac times, in each place's own clock time.
const std::vector<Almanac> almanac{
    {london, 2024, 12, 21, 21, 8, 4, 21, 15, 53},
    {newYork, 2024, 6, 20, 20, 5, 25, 20, 20, 31}, // the sunset is on the next day in UTC
    {sydney, 2024, 12, 21, 21, 5, 41, 21, 20, 6},  // the sunrise is on the day before in UTC
    {reykjavik, 2024, 6, 20, 20, 2, 55, 21, 0, 4}, // the sunset comes after midnight
    {honolulu, 2024, 6, 20, 20, 5, 50, 20, 19, 16},
};

void expectWithinTwoMinutes(std::optional<Date> actual, Date expected, const std::string &what) {
  ASSERT_TRUE(actual) << what;
  EXPECT_LE(std::abs(actual->timeIntervalSince(expected)), 120)
      << what << ": " << shown(actual) << " against " << shown(expected);
  EXPECT_EQ(std::fmod(actual->unixTime(), 60), 0) << what << " has seconds";
}

TEST(SkyMath, SunTimesMatchThePublishedAlmanacWhateverTheDeviceZone) {
  for (const char *deviceZone : {"Pacific/Kiritimati", "America/Adak"}) {
    test::ScopedLocaleAndZone fixed("en_US_POSIX", deviceZone);
    for (const Almanac &row : almanac) {
      std::string what = std::string(row.place.name) + " " + std::to_string(row.month) + "/" +
                         std::to_string(row.day) + " on a device in " + deviceZone;
      Date noon = wallTime(row.place, row.year, row.month, row.day, 12, 0);
      const Place &p = row.place;
      expectWithinTwoMinutes(
          SkyMath::solarEvent(true, noon, p.latitude, p.longitude),
          wallTime(p, row.year, row.month, row.riseDay, row.riseHour, row.riseMinute),
          what + " sunrise");
      expectWithinTwoMinutes(
          SkyMath::solarEvent(false, noon, p.latitude, p.longitude),
          wallTime(p, row.year, row.month, row.setDay, row.setHour, row.setMinute),
          what + " sunset");
    }
  }
}

TEST(SkyMath, FarWestAndFarEastTheSunRisesAndSetsOnTheSameLocalDay) {
  for (double longitude : {-179.9, 179.9}) {
    for (int month : {1, 7}) {
      // Mean solar time at the longitude runs longitude / 15 hours ahead of UTC.
      double midnight = Calendar::gregorian(TimeZone::utc()).date(2024, month, 15).unixTime() -
                        longitude / 15 * 3600;
      std::string what = std::to_string(longitude) + " in month " + std::to_string(month);
      // The first and the last moment of that local day give the same two events.
      auto early = SkyMath::sunTimes(Date::fromUnixTime(midnight + 360), 35, longitude);
      auto late = SkyMath::sunTimes(Date::fromUnixTime(midnight + 86040), 35, longitude);
      ASSERT_TRUE(early && late) << what;
      EXPECT_EQ(*early, *late) << what;
      EXPECT_GT(early->sunrise.unixTime(), midnight) << what;
      EXPECT_LT(early->sunrise.unixTime(), midnight + 12 * 3600) << what;
      EXPECT_GT(early->sunset.unixTime(), midnight + 12 * 3600) << what;
      EXPECT_LT(early->sunset.unixTime(), midnight + 24 * 3600) << what;
    }
  }
}

TEST(SkyMath, NoEventInPolarDayOrNightOrForCoordinatesAndDatesThatAreNotFiniteOrOnTheGlobe) {
  struct Case {
    double latitude, longitude;
    int month;
    double date = 0; // none: noon UTC on the 21st of the month
  };
  for (const Case &c :
       {Case{69.6492, 18.9553, 6}, Case{69.6492, 18.9553, 12}, Case{-77.846, 166.676, 12},
        Case{-90, 0, 6}, Case{nan, 0, 6}, Case{51.5, -inf, 6}, Case{90.5, 0, 6}, Case{-91, 0, 6},
        Case{51.5, 0, 6, nan}, Case{51.5, 0, 6, inf}}) {
    Date asked = c.date == 0 ? Calendar::gregorian(TimeZone::utc()).date(2024, c.month, 21, 12)
                             : Date{c.date};
    std::string what = std::to_string(c.latitude) + ", " + std::to_string(c.longitude) + " in " +
                       std::to_string(c.month) + " at " + std::to_string(c.date);
    EXPECT_FALSE(SkyMath::solarEvent(true, asked, c.latitude, c.longitude)) << what;
    EXPECT_FALSE(SkyMath::solarEvent(false, asked, c.latitude, c.longitude)) << what;
    EXPECT_FALSE(SkyMath::sunTimes(asked, c.latitude, c.longitude)) << what;
  }
  // The same place has both in spring.
  Date march = Calendar::gregorian(TimeZone::utc()).date(2024, 3, 21, 12);
  EXPECT_TRUE(SkyMath::sunTimes(march, 69.6492, 18.9553));
}

TEST(SkyMath, DaylightOfAPlaceOrTheSampleWhenTheSunDoesNotRiseAndSet) {
  Date asked = wallTime(london, 2024, 6, 20, 9, 30);
  auto times = SkyMath::sunTimes(asked, london.latitude, london.longitude);
  ASSERT_TRUE(times);
  EXPECT_EQ(SkyMath::daylight("Greenwich", asked, london.latitude, london.longitude),
            (DaylightInfo{times->sunrise, times->sunset, "Greenwich", std::nullopt}));
  EXPECT_EQ(SkyMath::daylight("Tromsø", asked, 69.6492, 18.9553), DaylightInfo::sample());
  EXPECT_EQ(SkyMath::daylight("Nowhere", asked, nan, 0), DaylightInfo::sample());
}

TEST(SkyMath, PhaseNamesChangeExactlyAtTheirBounds) {
  struct Bound {
    double at;
    const char *before;
    const char *from;
  };
  for (const Bound &b : {
           Bound{0.033, "New Moon", "Waxing Crescent"},
           Bound{0.216, "Waxing Crescent", "First Quarter"},
           Bound{0.284, "First Quarter", "Waxing Gibbous"},
           Bound{0.467, "Waxing Gibbous", "Full Moon"},
           Bound{0.533, "Full Moon", "Waning Gibbous"},
           Bound{0.716, "Waning Gibbous", "Last Quarter"},
           Bound{0.784, "Last Quarter", "Waning Crescent"},
           Bound{0.967, "Waning Crescent", "New Moon"},
       }) {
    EXPECT_EQ(SkyMath::moonAtFraction(std::nextafter(b.at, 0.0)).phaseName, b.before) << b.at;
    EXPECT_EQ(SkyMath::moonAtFraction(b.at).phaseName, b.from) << b.at;
  }
  EXPECT_EQ(SkyMath::moonAtFraction(0).phaseName, "New Moon");
}

TEST(SkyMath, MoonFiguresAcrossTheMonth) {
  struct Case {
    double fraction;
    double illuminated;
    bool waxing;
    int64_t daysToFull, daysToNew;
  };
  const double justUnderHalf = std::nextafter(0.5, 0.0);
  for (const Case &c :
       {Case{0, 0, true, 15, 30}, Case{0.25, 0.5, true, 7, 22}, Case{justUnderHalf, 1, true, 0, 15},
        Case{0.5, 1, false, 0, 15}, Case{0.99, 0.000987, false, 15, 0}}) {
    MoonInfo moon = SkyMath::moonAtFraction(c.fraction);
    EXPECT_NEAR(moon.illuminated, c.illuminated, 1e-6) << c.fraction;
    EXPECT_EQ(moon.waxing, c.waxing) << c.fraction;
    EXPECT_EQ(moon.daysToFull, c.daysToFull) << c.fraction;
    EXPECT_EQ(moon.daysToNew, c.daysToNew) << c.fraction;
  }
}

TEST(SkyMath, SharesOutsideTheMonthWrapAndOnesThatAreNotFiniteAreNew) {
  const std::pair<double, double> cases[] = {{-0.25, 0.75}, {1.25, 0.25}, {1, 0},
                                             {-1e-18, 0},   {nan, 0},     {inf, 0}};
  for (auto [share, same] : cases)
    EXPECT_EQ(SkyMath::moonAtFraction(share), SkyMath::moonAtFraction(same)) << share;
}

TEST(SkyMath, MoonPhasesOnPublishedDatesBeforeAndAfterTheReferenceNewMoon) {
  auto moon = [](const char *instant) {
    return SkyMath::moon(*kit::foundation::dateFromIso8601(instant));
  };
  EXPECT_EQ(moon("2024-01-25T17:54:00Z").phaseName, "Full Moon");
  EXPECT_EQ(moon("1999-12-15T12:50:00Z").phaseName, "First Quarter");
  // Two days after the full moon of 22 December 1999 the moon wanes, with the new moon ahead.
  EXPECT_FALSE(moon("1999-12-24T17:31:00Z").waxing);
  EXPECT_EQ(moon("1999-12-24T17:31:00Z").daysToNew, 13);
}

} // namespace
} // namespace zavel
