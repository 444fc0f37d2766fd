#include "Shared/Views/WeatherViews/DaylightView.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockFormat.h"
#include "SkyViewsTesting.h"
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

LaidOutTree layDay(const DaylightInfo &day, Date date) {
  return layReal(DaylightView{day, date, mediumWidget.context()}.body(), mediumWidget);
}

struct Arc {
  Rect frame; // the arch's area
  Point sun;  // the sun disc's centre
};

Arc arcOf(const LaidOutTree &tree) {
  const LaidOutNode *arch = tree.root.findAll("Path").at(0);
  std::vector<const LaidOutNode *> discs = nodes(tree, "Circle");
  EXPECT_EQ(discs.size(), 2u); // halo, sun
  return {arch->frame, {discs.at(1)->frame.midX(), discs.at(1)->frame.midY()}};
}

// Where the sun sits along the arch, from its position: the arch's feet lie 6 units in from
// either side, and along the curve x moves evenly with the fraction.
double sunFraction(const Arc &arc) {
  double m = 6 * mediumWidget.u();
  return (arc.sun.x - arc.frame.minX() - m) / (arc.frame.size.width - 2 * m);
}

TEST_F(DaylightViewTest, RowsTopToBottomAsTheScreenLaysThemOut) {
  LaidOutTree tree = layDay(midsummer, at("2024-06-20T12:00:00Z"));
  double u = mediumWidget.u();
  Rect screen = mediumWidget.screen();
  double left = screen.minX() + 26 * u, right = screen.maxX() - 26 * u;
  EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"DAYLIGHT — GREENWICH", "16h 38m",
                                                         "SUNRISE 04:43", "SUNSET 21:21"}));

  // Top row: the place on the left, the day's length on the right, centred on one line.
  Rect place = textFrame(tree, "DAYLIGHT — GREENWICH");
  Rect length = textFrame(tree, "16h 38m");
  EXPECT_NEAR(place.minX(), left, 1e-9);
  EXPECT_NEAR(length.maxX(), right, 1e-9);
  EXPECT_NEAR(place.midY(), length.midY(), 1e-9);
  EXPECT_NEAR(std::min(place.minY(), length.minY()), screen.minY() + 22 * u, 1e-9);
  expectMicroLabel(tree, "DAYLIGHT — GREENWICH", mediumWidget, 10, 0.16, ZavelTokens::screenText2);
  const TextRun &lengthRun = textRun(tree, "16h 38m");
  EXPECT_EQ(lengthRun.style.font, mediumWidget.context().mono(16, FontWeight::bold));
  EXPECT_EQ(lengthRun.paint, Paint{ZavelTokens::screenText1});

  // The arc across the width, 110 units high, below the top row.
  Arc arc = arcOf(tree);
  EXPECT_NEAR(arc.frame.minX(), left, 1e-9);
  EXPECT_NEAR(arc.frame.maxX(), right, 1e-9);
  EXPECT_NEAR(arc.frame.size.height, 110 * u, 1e-9);
  EXPECT_GE(arc.frame.minY(), std::max(place.maxY(), length.maxY()));

  // Bottom row: 12 units under the arc, sunrise left and sunset right, on the bottom padding.
  Rect sunrise = textFrame(tree, "SUNRISE 04:43");
  Rect sunset = textFrame(tree, "SUNSET 21:21");
  EXPECT_NEAR(sunrise.minX(), left, 1e-9);
  EXPECT_NEAR(sunset.maxX(), right, 1e-9);
  EXPECT_NEAR(sunrise.minY(), arc.frame.maxY() + 12 * u, 1e-9);
  EXPECT_NEAR(sunset.minY(), sunrise.minY(), 1e-9);
  EXPECT_NEAR(sunrise.maxY(), screen.maxY() - 22 * u, 1e-9);
  for (const char *text : {"SUNRISE 04:43", "SUNSET 21:21"})
    expectMicroLabel(tree, text, mediumWidget, 9, 0.14, ZavelTokens::screenText3);
}

TEST_F(DaylightViewTest, SunRestsAtTheEndsOutsideTheDayAndMovesEvenlyWithin) {
  struct Case {
    const char *entry;
    double t;
  };
  for (const Case &c : {
           Case{"2024-06-20T01:00:00Z", 0},
           Case{"2024-06-20T03:43:00Z", 0},
           Case{"2024-06-20T07:52:30Z", 0.25},
           Case{"2024-06-20T12:02:00Z", 0.5},
           Case{"2024-06-20T20:21:00Z", 1},
           Case{"2024-06-20T23:59:00Z", 1},
       }) {
    EXPECT_NEAR(sunFraction(arcOf(layDay(midsummer, at(c.entry)))), c.t, 1e-9) << c.entry;
  }
  Date notANumber{std::numeric_limits<double>::quiet_NaN()};
  EXPECT_NEAR(sunFraction(arcOf(layDay(midsummer, notANumber))), 0, 1e-9);
}

TEST_F(DaylightViewTest, ASunsetNotAfterTheSunriseShowsTheSampleDay) {
  const DaylightInfo &sample = DaylightInfo::sample();
  kit::foundation::TimeZone tokyo = *kit::foundation::TimeZone::named("Asia/Tokyo");
  struct Case {
    const char *what;
    DaylightInfo day;
  };
  for (const Case &c : {
           Case{"sunset before sunrise",
                {at("2024-06-20T20:21:00Z"), at("2024-06-20T03:43:00Z"), "Honolulu", "Asia/Tokyo"}},
           Case{"sunset at sunrise",
                {at("2024-06-20T03:43:00Z"), at("2024-06-20T03:43:00Z"), "Honolulu", "Asia/Tokyo"}},
           Case{"sunrise not a number",
                {Date{std::numeric_limits<double>::quiet_NaN()}, at("2024-06-20T03:43:00Z"),
                 "Honolulu", "Asia/Tokyo"}},
       }) {
    LaidOutTree tree = layDay(c.day, sample.sunrise.addingTimeInterval(3600));
    // The sample's day, in the zone the record named; never a negative length.
    EXPECT_EQ(tree.root.texts(),
              (std::vector<std::string>{"DAYLIGHT — LONDON", "15h 40m",
                                        "SUNRISE " + ClockFormat::hhmm(sample.sunrise, tokyo),
                                        "SUNSET " + ClockFormat::hhmm(sample.sunset, tokyo)}))
        << c.what;
    EXPECT_NEAR(sunFraction(arcOf(tree)), 3600 / sample.sunset.timeIntervalSince(sample.sunrise),
                1e-9)
        << c.what;
  }
}

TEST_F(DaylightViewTest, TimesShowInThePlacesZoneOrTheDevicesByTheClockChoice) {
  struct Case {
    std::optional<std::string> zone;
    int64_t clock;
    const char *sunrise;
    const char *sunset;
  };
  for (const Case &c : {
           Case{std::nullopt, 24, "SUNRISE 04:43", "SUNSET 21:21"},
           Case{"Asia/Tokyo", 24, "SUNRISE 12:43", "SUNSET 05:21"},
           Case{"America/Los_Angeles", 24, "SUNRISE 20:43", "SUNSET 13:21"},
           Case{"Not/AZone", 24, "SUNRISE 04:43", "SUNSET 21:21"},
           Case{std::nullopt, 12, "SUNRISE 04:43", "SUNSET 09:21"},
           Case{"Asia/Tokyo", 12, "SUNRISE 12:43", "SUNSET 05:21"},
       }) {
    useClock(c.clock);
    DaylightInfo day = midsummer;
    day.timeZoneID = c.zone;
    LaidOutTree tree = layDay(day, at("2024-06-20T12:00:00Z"));
    std::string what = c.zone.value_or("no zone") + " " + std::to_string(c.clock);
    EXPECT_TRUE(tree.root.findText(c.sunrise)) << what;
    EXPECT_TRUE(tree.root.findText(c.sunset)) << what;
  }
}

TEST_F(DaylightViewTest, APlaceThatFitsIsShownWhole) {
  DaylightInfo day = midsummer;
  day.place = "San Cristóbal de las Casas";
  LaidOutTree tree = layDay(day, at("2024-06-20T12:00:00Z"));
  const std::string label = "DAYLIGHT — SAN CRISTÓBAL DE LAS CASAS";
  TextMetrics ideal =
      defaultTextEngine().measure(label, textRun(tree, label).style, ProposedSize::unspecified());
  EXPECT_NEAR(textFrame(tree, label).size.width, ideal.size.width, 1e-9);
}

TEST_F(DaylightViewTest, ALongPlaceIsCutBeforeItReachesTheDayLength) {
  DaylightInfo day = midsummer;
  day.place = "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch";
  LaidOutTree tree = layDay(day, at("2024-06-20T12:00:00Z"));
  Rect length = textFrame(tree, "16h 38m");
  const LaidOutNode *place = tree.root.findAll("Text").at(0);
  EXPECT_LE(place->frame.maxX() + 8, length.minX()); // the spacer's least length between them
  // Still one line, as high as a short place's.
  Rect shortPlace =
      textFrame(layDay(midsummer, at("2024-06-20T12:00:00Z")), "DAYLIGHT — GREENWICH");
  EXPECT_NEAR(place->frame.size.height, shortPlace.size.height, 1e-9);
  // The length keeps its full width.
  TextMetrics ideal = defaultTextEngine().measure("16h 38m", textRun(tree, "16h 38m").style,
                                                  ProposedSize::unspecified());
  EXPECT_NEAR(length.size.width, ideal.size.width, 1e-9);
}

} // namespace
} // namespace zavel
