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
const Place auckland{"Auckland", -36.8485, 174.7633, "Pacific/Auckland"};

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
    {london, 2024, 3, 20, 20, 6, 2, 20, 18, 14},    {london, 2024, 12, 21, 21, 8, 4, 21, 15, 53},
    {newYork, 2024, 6, 20, 20, 5, 25, 20, 20, 31}, // the sunset is on the next day in UTC
    {sydney, 2024, 12, 21, 21, 5, 41, 21, 20, 6},  // the sunrise is on the day before in UTC
    {reykjavik, 2024, 6, 20, 20, 2, 55, 21, 0, 4}, // the sunset comes after midnight
    {honolulu, 2024, 6, 20, 20, 5, 50, 20, 19, 16}, {auckland, 2024, 6, 21, 21, 7, 33, 21, 17, 11},
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
  for (double longitude : {-179.9, -120.0, 151.2, 179.9}) {
    for (int month : {1, 7}) {
      // Mean solar time at the longitude runs this many hours ahead of UTC.
      double ahead = longitude / 15;
      double utcMidnight = Calendar::gregorian(TimeZone::utc()).date(2024, month, 15).unixTime();
      double localMidnight = utcMidnight - ahead * 3600;
      std::string what =
          "longitude " + std::to_string(longitude) + " month " + std::to_string(month);
      std::optional<SkyMath::SunTimes> first;
      // Any moment of that local day gives the same two events.
      for (double hour : {0.1, 12.0, 23.9}) {
        Date asked = Date::fromUnixTime(localMidnight + hour * 3600);
        std::optional<SkyMath::SunTimes> times = SkyMath::sunTimes(asked, 35, longitude);
        ASSERT_TRUE(times) << what;
        if (!first)
          first = times;
        EXPECT_EQ(*times, *first) << what << " asked at local hour " << hour;
      }
      double sunrise = first->sunrise.unixTime(), sunset = first->sunset.unixTime();
      double localNoon = localMidnight + 12 * 3600;
      EXPECT_LT(sunrise, localNoon) << what;
      EXPECT_GT(sunset, localNoon) << what;
      EXPECT_GT(sunrise, localMidnight) << what;
      EXPECT_LT(sunset, localMidnight + 24 * 3600) << what;
    }
  }
}

TEST(SkyMath, ALongitudeAroundTheGlobeOnceMoreIsTheSamePlace) {
  Date asked = wallTime(sydney, 2024, 12, 21, 12, 0);
  for (bool rise : {true, false}) {
    EXPECT_EQ(SkyMath::solarEvent(rise, asked, sydney.latitude, sydney.longitude + 360),
              SkyMath::solarEvent(rise, asked, sydney.latitude, sydney.longitude));
    EXPECT_EQ(SkyMath::solarEvent(rise, asked, sydney.latitude, sydney.longitude - 720),
              SkyMath::solarEvent(rise, asked, sydney.latitude, sydney.longitude));
  }
}

TEST(SkyMath, NoSunriseOrSunsetInPolarDayOrNight) {
  struct Case {
    const char *what;
    double latitude, longitude;
    int month;
  };
  for (const Case &c : {
           Case{"Tromsø, midnight sun", 69.6492, 18.9553, 6},
           Case{"Tromsø, polar night", 69.6492, 18.9553, 12},
           Case{"McMurdo, midnight sun", -77.846, 166.676, 12},
           Case{"South Pole", -90, 0, 6},
       }) {
    Date asked = Calendar::gregorian(TimeZone::utc()).date(2024, c.month, 21, 12);
    EXPECT_FALSE(SkyMath::solarEvent(true, asked, c.latitude, c.longitude)) << c.what;
    EXPECT_FALSE(SkyMath::solarEvent(false, asked, c.latitude, c.longitude)) << c.what;
    EXPECT_FALSE(SkyMath::sunTimes(asked, c.latitude, c.longitude)) << c.what;
  }
  // The same place has both in spring.
  Date march = Calendar::gregorian(TimeZone::utc()).date(2024, 3, 21, 12);
  EXPECT_TRUE(SkyMath::sunTimes(march, 69.6492, 18.9553));
}

TEST(SkyMath, NoEventForCoordinatesOrDatesThatAreNotFiniteOrBeyondThePoles) {
  Date asked = wallTime(london, 2024, 6, 20, 12, 0);
  struct Case {
    double latitude, longitude;
    Date date;
  };
  for (const Case &c : {
           Case{nan, 0, asked},
           Case{51.5, -inf, asked},
           Case{90.5, 0, asked},
           Case{-91, 0, asked},
           Case{51.5, 0, Date{nan}},
           Case{51.5, 0, Date{inf}},
       }) {
    std::string what = std::to_string(c.latitude) + ", " + std::to_string(c.longitude) + " at " +
                       std::to_string(c.date.secondsSinceReferenceDate);
    EXPECT_FALSE(SkyMath::solarEvent(true, c.date, c.latitude, c.longitude)) << what;
    EXPECT_FALSE(SkyMath::solarEvent(false, c.date, c.latitude, c.longitude)) << what;
  }
}

TEST(SkyMath, DaylightOfAPlaceOrTheSampleWhenTheSunDoesNotRiseAndSet) {
  Date asked = wallTime(london, 2024, 6, 20, 9, 30);
  DaylightInfo day = SkyMath::daylight("Greenwich", asked, london.latitude, london.longitude);
  EXPECT_EQ(day.place, "Greenwich");
  EXPECT_EQ(day.sunrise, SkyMath::solarEvent(true, asked, london.latitude, london.longitude));
  EXPECT_EQ(day.sunset, SkyMath::solarEvent(false, asked, london.latitude, london.longitude));
  EXPECT_FALSE(day.timeZoneID);

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
  for (const Case &c : {
           Case{0, 0, true, 15, 30},
           Case{0.25, 0.5, true, 7, 22},
           Case{justUnderHalf, 1, true, 0, 15},
           Case{0.5, 1, false, 0, 15},
           Case{0.99, 0.000987, false, 15, 0},
       }) {
    MoonInfo moon = SkyMath::moonAtFraction(c.fraction);
    EXPECT_NEAR(moon.illuminated, c.illuminated, 1e-6) << c.fraction;
    EXPECT_EQ(moon.waxing, c.waxing) << c.fraction;
    EXPECT_EQ(moon.daysToFull, c.daysToFull) << c.fraction;
    EXPECT_EQ(moon.daysToNew, c.daysToNew) << c.fraction;
  }
  EXPECT_EQ(SkyMath::moonAtFraction(0.5).phaseName, "Full Moon");
}

TEST(SkyMath, SharesOutsideTheMonthWrapAndOnesThatAreNotFiniteAreNew) {
  EXPECT_EQ(SkyMath::moonAtFraction(-0.25), SkyMath::moonAtFraction(0.75));
  EXPECT_EQ(SkyMath::moonAtFraction(1.25), SkyMath::moonAtFraction(0.25));
  EXPECT_EQ(SkyMath::moonAtFraction(1), SkyMath::moonAtFraction(0));
  EXPECT_EQ(SkyMath::moonAtFraction(-1e-18), SkyMath::moonAtFraction(0));
  EXPECT_EQ(SkyMath::moonAtFraction(nan), SkyMath::moonAtFraction(0));
  EXPECT_EQ(SkyMath::moonAtFraction(inf), SkyMath::moonAtFraction(0));
}

TEST(SkyMath, MoonPhasesOnPublishedDatesBeforeAndAfterTheReferenceNewMoon) {
  struct Case {
    const char *instant; // UTC
    const char *phase;
  };
  for (const Case &c : {
           Case{"2024-01-11T11:57:00Z", "New Moon"},
           Case{"2024-01-25T17:54:00Z", "Full Moon"},
           Case{"1999-12-15T12:50:00Z", "First Quarter"},
           Case{"1999-12-29T14:04:00Z", "Last Quarter"},
       }) {
    EXPECT_EQ(SkyMath::moon(*kit::foundation::dateFromIso8601(c.instant)).phaseName, c.phase)
        << c.instant;
  }
  // Two days after the full moon of 22 December 1999 the moon wanes, with the new moon ahead.
  MoonInfo waning = SkyMath::moon(*kit::foundation::dateFromIso8601("1999-12-24T17:31:00Z"));
  EXPECT_FALSE(waning.waxing);
  EXPECT_EQ(waning.daysToNew, 13);
}

} // namespace
} // namespace zavel
