#include "Shared/Data/SkyMath.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::Calendar;
using kit::foundation::Date;
using kit::foundation::TimeZone;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }

// Published almanac times, in each place's own clock time.
const struct {
  const char *place;
  double latitude, longitude;
  const char *sunrise, *sunset;
} almanac[] = {
    {"London", 51.5074, -0.1278, "2024-12-21T08:04:00Z", "2024-12-21T15:53:00Z"},
    // The sunset is on the next day in UTC.
    {"New York", 40.7128, -74.006, "2024-06-20T05:25:00-04:00", "2024-06-20T20:31:00-04:00"},
    // The sunrise is on the day before in UTC.
    {"Sydney", -33.8688, 151.2093, "2024-12-21T05:41:00+11:00", "2024-12-21T20:06:00+11:00"},
    // The sunset comes after midnight.
    {"Reykjavik", 64.1466, -21.9426, "2024-06-20T02:55:00Z", "2024-06-21T00:04:00Z"},
};

TEST(SkyMath, SunTimesMatchThePublishedAlmanacToTheMinuteWhateverTheDeviceZone) {
  for (const char *deviceZone : {"Pacific/Kiritimati", "America/Adak"}) {
    test::ScopedLocaleAndZone fixed("en_US_POSIX", deviceZone);
    for (const auto &row : almanac) {
      // Asked at the sunrise itself, a moment of the place's day.
      for (const char *published : {row.sunrise, row.sunset}) {
        auto event = SkyMath::solarEvent(published == row.sunrise, at(row.sunrise), row.latitude,
                                         row.longitude);
        ASSERT_TRUE(event) << row.place << " " << published;
        EXPECT_LE(std::abs(event->timeIntervalSince(at(published))), 120)
            << row.place << " " << published << " on a device in " << deviceZone;
        EXPECT_EQ(std::fmod(event->unixTime(), 60), 0) << row.place << " has seconds";
      }
    }
  }
}

TEST(SkyMath, NoEventInPolarDayOrNightOrForCoordinatesAndDatesThatAreNotFiniteOrOnTheGlobe) {
  struct Case {
    double latitude, longitude;
    int month;
    double date = 0; // none: noon UTC on the 21st of the month
  };
  for (const Case &c : {Case{69.6492, 18.9553, 6}, Case{69.6492, 18.9553, 12}, Case{nan, 0, 6},
                        Case{51.5, -inf, 6}, Case{90.5, 0, 6}, Case{51.5, 0, 6, nan}}) {
    Date asked = c.date == 0 ? Calendar::gregorian(TimeZone::utc()).date(2024, c.month, 21, 12)
                             : Date{c.date};
    EXPECT_FALSE(SkyMath::solarEvent(true, asked, c.latitude, c.longitude) ||
                 SkyMath::solarEvent(false, asked, c.latitude, c.longitude) ||
                 SkyMath::sunTimes(asked, c.latitude, c.longitude))
        << c.latitude;
  }
  // The same place has both in spring.
  Date march = Calendar::gregorian(TimeZone::utc()).date(2024, 3, 21, 12);
  EXPECT_TRUE(SkyMath::sunTimes(march, 69.6492, 18.9553));
}

TEST(SkyMath, DaylightOfAPlaceOrTheSampleWhenTheSunDoesNotRiseAndSet) {
  Date asked = at("2024-06-20T09:30:00+01:00");
  auto times = SkyMath::sunTimes(asked, 51.5074, -0.1278);
  ASSERT_TRUE(times);
  EXPECT_EQ(SkyMath::daylight("Greenwich", asked, 51.5074, -0.1278),
            (DaylightInfo{times->sunrise, times->sunset, "Greenwich", std::nullopt}));
  EXPECT_EQ(SkyMath::daylight("Tromsø", asked, 69.6492, 18.9553), DaylightInfo::sample());
  EXPECT_EQ(SkyMath::daylight("Nowhere", asked, nan, 0), DaylightInfo::sample());
}

TEST(SkyMath, MoonFiguresAcrossTheMonth) {
  struct Case {
    double fraction, illuminated;
    bool waxing;
    int64_t daysToFull, daysToNew;
  };
  const double justUnderHalf = std::nextafter(0.5, 0.0);
  for (const Case &c : {Case{justUnderHalf, 1, true, 0, 15}, Case{0.5, 1, false, 0, 15},
                        Case{0.99, 0.000987, false, 15, 0}}) {
    MoonInfo moon = SkyMath::moonAtFraction(c.fraction);
    EXPECT_NEAR(moon.illuminated, c.illuminated, 1e-6) << c.fraction;
    EXPECT_EQ(std::tuple(moon.waxing, moon.daysToFull, moon.daysToNew),
              std::tuple(c.waxing, c.daysToFull, c.daysToNew))
        << c.fraction;
  }
}

TEST(SkyMath, SharesOutsideTheMonthWrapAndOnesThatAreNotFiniteAreNew) {
  const std::pair<double, double> cases[] = {{-0.25, 0.75}, {1.25, 0.25}, {nan, 0}, {inf, 0}};
  for (auto [share, same] : cases)
    EXPECT_EQ(SkyMath::moonAtFraction(share), SkyMath::moonAtFraction(same)) << share;
}

TEST(SkyMath, MoonPhasesOnPublishedDatesBeforeAndAfterTheReferenceNewMoon) {
  auto moon = [](const char *instant) { return SkyMath::moon(at(instant)); };
  EXPECT_EQ(moon("2024-01-25T17:54:00Z").phaseName + "|" + moon("1999-12-15T12:50:00Z").phaseName,
            "Full Moon|First Quarter");
  // Two days after the full moon of 22 December 1999 the moon wanes, with the new moon ahead.
  EXPECT_EQ(std::pair(moon("1999-12-24T17:31:00Z").waxing, moon("1999-12-24T17:31:00Z").daysToNew),
            std::pair(false, int64_t{13}));
  EXPECT_EQ(SkyMath::moonAtFraction(0.98).phaseName, "New Moon"); // the name wraps round
}

} // namespace
} // namespace zavel
