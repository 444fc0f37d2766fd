#include "Shared/Views/WeatherViews/DaylightView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/SharedSuite.h"
#include "WeatherViewsTesting.h"
#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Date;

Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }

// Midsummer at Greenwich: 04:43 to 21:21 in London's summer time.
const DaylightInfo midsummer{at("2024-06-20T03:43:00Z"), at("2024-06-20T20:21:00Z"), "Greenwich",
                             std::nullopt};
const Date noon = at("2024-06-20T12:00:00Z");

// A home with the clock choice stored, in London, so times read as a Londoner's device shows them.
class DaylightViewTest : public ::testing::Test {
protected:
  void SetUp() override { useClock(24); }
  void useClock(int64_t hours) {
    ASSERT_TRUE(SharedSuite::open().set(ClockFormat::timeFormatKey, hours));
  }

  test::TempHome home;
  test::ScopedLocaleAndZone zone{"en_US_POSIX", "Europe/London"};
};

LaidOutTree layDay(const DaylightInfo &day, Date date = noon) {
  return layReal(DaylightView{date, day, mediumWidget.context()}.body(), mediumWidget);
}

// The arch's area, and where the sun sits along it: the feet lie 6 units in from either side, and
// along the curve x moves evenly with the fraction.
double sunFraction(const LaidOutTree &tree) {
  Rect arch = tree.root.findAll("Path").at(0)->frame,
       sun = tree.root.findAll("Circle").at(1)->frame;
  double m = 6 * mediumWidget.u();
  return (sun.midX() - arch.minX() - m) / (arch.size.width - 2 * m);
}

TEST_F(DaylightViewTest, SunRestsAtTheEndsOutsideTheDayAndMovesEvenlyWithin) {
  struct Case {
    const char *name = "";
    Date entry;
    double t = 0;
  };
  const Case cases[] = {
      Case{.name = "before sunrise", .entry = at("2024-06-20T01:00:00Z"), .t = 0},
      Case{.name = "a quarter through", .entry = at("2024-06-20T07:52:30Z"), .t = 0.25},
      Case{.name = "after sunset", .entry = at("2024-06-20T23:59:00Z"), .t = 1},
      Case{.name = "entry date no number",
           .entry = Date{std::numeric_limits<double>::quiet_NaN()},
           .t = 0},
  };
  for (const Case &c : cases)
    EXPECT_NEAR(sunFraction(layDay(midsummer, c.entry)), c.t, 1e-9) << c.name;
}

TEST_F(DaylightViewTest, ASunsetNotAfterTheSunriseShowsTheSampleDay) {
  const DaylightInfo &sample = DaylightInfo::sample();
  kit::foundation::TimeZone tokyo = *kit::foundation::TimeZone::named("Asia/Tokyo");
  const Date rise = midsummer.sunrise, nan{std::numeric_limits<double>::quiet_NaN()};
  struct Case {
    const char *name = "";
    Date sunrise, sunset;
  };
  const Case cases[] = {
      Case{.name = "sunset before sunrise", .sunrise = midsummer.sunset, .sunset = rise},
      Case{.name = "sunset at sunrise", .sunrise = rise, .sunset = rise},
      Case{.name = "sunrise no number", .sunrise = nan, .sunset = rise},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    LaidOutTree tree = layDay({c.sunrise, c.sunset, "Honolulu", "Asia/Tokyo"},
                              sample.sunrise.addingTimeInterval(3600));
    // The sample's day, in the zone the record named; never a negative length.
    EXPECT_EQ(tree.root.texts(),
              (std::vector<std::string>{"DAYLIGHT — LONDON", "15h 40m",
                                        "SUNRISE " + ClockFormat::hhmm(sample.sunrise, tokyo),
                                        "SUNSET " + ClockFormat::hhmm(sample.sunset, tokyo)}));
    EXPECT_NEAR(sunFraction(tree), 3600 / sample.sunset.timeIntervalSince(sample.sunrise), 1e-9);
  }
}

TEST_F(DaylightViewTest, TimesShowInThePlacesZoneByTheClockChoice) {
  const DaylightInfo tokyo{midsummer.sunrise, midsummer.sunset, "Greenwich", "Asia/Tokyo"};
  EXPECT_EQ(layDay(tokyo).root.texts().at(2), "SUNRISE 12:43");
  useClock(12);
  EXPECT_EQ(layDay(tokyo).root.texts().at(3), "SUNSET 05:21");
  EXPECT_EQ(layDay(midsummer).root.texts().at(3), "SUNSET 09:21"); // the device's zone
}

TEST_F(DaylightViewTest, ALongPlaceIsCutBeforeTheDayLength) {
  DaylightInfo day = midsummer;
  day.place = "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch";
  LaidOutTree tree = layDay(day);
  const LaidOutNode &place = *tree.root.findAll("Text").at(0), &length = textNode(tree, "16h 38m");
  EXPECT_TRUE(fitted(place).truncated);
  EXPECT_EQ(fitted(place).lineCount, 1);
  EXPECT_FALSE(fitted(length).truncated);
  EXPECT_LE(place.frame.maxX() + 8, length.frame.minX()); // the spacer's least length between them
}

} // namespace
} // namespace zavel
