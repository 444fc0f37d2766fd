#include "Shared/Views/WeatherViews/WeatherSunColumnView.h"
#include "Shared/Data/SkyMath.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/SunArc.h"
#include "Shared/Views/Hardware/SunCloudArt.h"
#include "WeatherViewsTesting.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Clock;
using kit::foundation::Date;
using kit::foundation::TimeZone;
using zavel::test::ScopedLocaleAndZone;
using zavel::test::TempHome;

// Midsummer and midwinter 2024, 12:00 UTC.
const Date midsummer = Date::fromUnixTime(1718971200);
const Date midwinter = Date::fromUnixTime(1734782400);

WeatherSnapshot at(std::optional<double> latitude, std::optional<double> longitude,
                   std::optional<std::string> zone) {
  WeatherSnapshot snapshot = weather("London", 23, 27, 18);
  snapshot.feelsLike = 25;
  snapshot.latitude = latitude;
  snapshot.longitude = longitude;
  snapshot.timeZoneID = std::move(zone);
  return snapshot;
}
const WeatherSnapshot london = at(51.5072, -0.1276, "Europe/London");

// A 310 point large widget: u = 0.5; the screen inset 8, the content 16 and 18 more.
const ZCtx large = context(0.5, ZavelSize::l);

LaidOutTree layColumn(const WeatherSnapshot &data, Date date, Date now = midsummer,
                      const ZCtx &ctx = large) {
  return lay(WeatherSunColumnView(data, date, ctx, Clock::fixed(now)).body(), {310, 310});
}

// The sun arc: the last geometry reader, with its halo and sun.
const LaidOutNode &arc(const LaidOutTree &tree) {
  return *tree.root.findAll("GeometryReader").back();
}

// Where the sun's centre lies within the arc's frame.
Point sunWithin(const LaidOutNode &arc) {
  Rect sun = arc.findAll("Circle").at(1)->frame;
  return {sun.midX() - arc.frame.minX(), sun.midY() - arc.frame.minY()};
}

// Where SunArc draws the sun at `t` in a frame of that size.
Point sunAt(double t, Size size) {
  LaidOutTree alone = lay(SunArc(t, 88, 7.5, large), size);
  return sunWithin(arc(alone));
}

// The label beside "SUNSET" and the sun's place on the arc.
struct Shown {
  std::string label;
  Point sun;
  Size arcSize;
};
Shown sunset(const LaidOutTree &tree) {
  std::vector<std::string> texts = tree.root.texts();
  return {texts.back(), sunWithin(arc(tree)), arc(tree).frame.size};
}

TEST(WeatherSunColumnView, RowsFollowOneAnotherDownTheScreen) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "Europe/London");
  WeatherSnapshot data = london;
  data.condition = "partly CLOUDY";
  LaidOutTree tree = layColumn(data, midsummer);
  EXPECT_EQ(tree.root.texts(),
            (std::vector<std::string>{"23°", "Partly Cloudy", "LONDON — FEELS 25°", "SUNSET",
                                      sunset(tree).label}));

  // The art in its 120 × 86 unit frame at the content's top-leading corner; the numeral 24 units
  // under that frame.
  LaidOutTree art = lay(SunCloudArt(true, large), {60, 43});
  std::vector<Rect> parts = kit::ui::testing::framesOf(tree, "Circle");
  std::vector<Rect> alone = kit::ui::testing::framesOf(art, "Circle");
  for (std::size_t i = 0; i < alone.size(); ++i)
    expectRectNear(parts.at(i), alone[i].offsetBy(26, 24), "art, part " + std::to_string(i));
  const LaidOutNode &numeral = textNode(tree, "23°");
  EXPECT_EQ(run(numeral).style.font, large.mono(128, FontWeight::bold));
  EXPECT_DOUBLE_EQ(run(numeral).style.tracking, -1.28);
  EXPECT_EQ(run(numeral).paint, Paint{large.accent});
  EXPECT_EQ(run(numeral).style.lineLimit, 1);
  EXPECT_EQ(run(numeral).style.minimumScaleFactor, 0.55);
  EXPECT_NEAR(numeral.frame.minX(), 26, 1e-9);
  EXPECT_NEAR(numeral.frame.minY(), 24 + 43 + 12, 1e-9);

  const LaidOutNode &condition = textNode(tree, "Partly Cloudy");
  EXPECT_EQ(run(condition).style.font, large.mono(20, FontWeight::regular));
  EXPECT_EQ(run(condition).paint, Paint{ZavelTokens::screenText1}); // the screen's own
  EXPECT_NEAR(condition.frame.minY() - numeral.frame.maxY(), 7, 1e-9);

  const LaidOutNode &feels = textNode(tree, "LONDON — FEELS 25°");
  expectMicroLabel(feels, 11, 0.14, ZavelTokens::screenText3, large);
  EXPECT_NEAR(feels.frame.minY() - condition.frame.maxY(), 5, 1e-9);

  // The sunset line over the arc, the arc 88 units high on the bottom inset, across the content.
  const LaidOutNode &caption = textNode(tree, "SUNSET");
  const LaidOutNode &time = textNode(tree, sunset(tree).label);
  expectMicroLabel(caption, 10, 0.14, ZavelTokens::screenText2, large);
  EXPECT_EQ(run(time).style.font, large.mono(16, FontWeight::bold));
  EXPECT_EQ(run(time).paint, Paint{ZavelTokens::screenText1});
  EXPECT_NEAR(caption.frame.minX(), 26, 1e-9);
  EXPECT_NEAR(time.frame.maxX(), 284, 1e-9);
  // On one baseline (the fake engine's sits at 0.95 of the font size).
  EXPECT_NEAR(caption.frame.minY() + 0.95 * run(caption).style.font.size,
              time.frame.minY() + 0.95 * run(time).style.font.size, 1e-9);
  expectRectNear(arc(tree).frame, rect(26, 286 - 44, 258, 44), "arc");
  double lineBottom = std::max(caption.frame.maxY(), time.frame.maxY());
  EXPECT_NEAR(arc(tree).frame.minY() - lineBottom, 4, 1e-9);
}

TEST(WeatherSunColumnView, SunStandsOnTheArcByTheEntryDateBetweenTodaysSunriseAndSunset) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "Europe/London");
  SkyMath::SunTimes today = *SkyMath::sunTimes(midsummer, 51.5072, -0.1276);
  double length = today.sunset.timeIntervalSince(today.sunrise);
  struct Case {
    std::string what;
    Date date;
    double t;
  };
  for (const Case &c : {
           Case{"an hour before sunrise", today.sunrise.addingTimeInterval(-3600), 0.05},
           Case{"at sunrise", today.sunrise, 0.05},
           Case{"a quarter through", today.sunrise.addingTimeInterval(length / 4), 0.25},
           Case{"halfway", today.sunrise.addingTimeInterval(length / 2), 0.5},
           Case{"at sunset", today.sunset, 0.95},
           Case{"after sunset", today.sunset.addingTimeInterval(7200), 0.95},
       }) {
    Shown shown = sunset(layColumn(london, c.date));
    // London's midsummer sunset, in its own summer time.
    EXPECT_EQ(shown.label, "21:21") << c.what;
    expectPointNear(shown.sun, sunAt(c.t, shown.arcSize), c.what, 1e-9);
  }
}

TEST(WeatherSunColumnView, SunTimesAreOfTheDayOfRenderingNotOfTheEntry) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "Europe/London");
  // An entry dated midwinter, rendered at midsummer: midsummer's sunset, the entry long after it.
  Shown later = sunset(layColumn(london, midwinter, midsummer));
  EXPECT_EQ(later.label, "21:21");
  expectPointNear(later.sun, sunAt(0.95, later.arcSize), "later entry", 1e-9);
  // The other way round: midwinter's sunset, the entry long before that day's sunrise.
  Shown earlier = sunset(layColumn(london, midsummer, midwinter));
  EXPECT_EQ(earlier.label, "15:53");
  expectPointNear(earlier.sun, sunAt(0.05, earlier.arcSize), "earlier entry", 1e-9);
  // On the same day, noon sits near the top of the arc.
  Shown noon = sunset(layColumn(london, midwinter, midwinter));
  EXPECT_EQ(noon.label, "15:53");
  expectPointNear(noon.sun, sunAt(0.5, noon.arcSize), "noon", 0.02 * noon.arcSize.width);
}

TEST(WeatherSunColumnView, WithoutCoordinatesOrInPolarDayOrNightTheSunRestsAtItsDefault) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "Europe/London");
  struct Case {
    std::string what;
    WeatherSnapshot data;
    Date now;
  };
  for (const Case &c : {
           Case{"no coordinates", at(std::nullopt, std::nullopt, std::nullopt), midsummer},
           Case{"no latitude", at(std::nullopt, -0.1276, "Europe/London"), midsummer},
           Case{"no longitude", at(51.5072, std::nullopt, "Europe/London"), midsummer},
           Case{"polar day", at(69.6492, 18.9553, "Europe/Oslo"), midsummer},
           Case{"polar night", at(69.6492, 18.9553, "Europe/Oslo"), midwinter},
           Case{"no number", at(std::numeric_limits<double>::quiet_NaN(), 0, "UTC"), midsummer},
       }) {
    Shown shown = sunset(layColumn(c.data, c.now, c.now));
    EXPECT_EQ(shown.label, "21:04") << c.what;
    expectPointNear(shown.sun, sunAt(0.34, shown.arcSize), c.what, 1e-9);
  }
}

TEST(WeatherSunColumnView, SunsetIsWrittenInThePlacesZoneAndClockFormat) {
  TempHome home;
  struct Case {
    std::string what, locale;
    WeatherSnapshot data;
    std::string label;
  };
  for (const Case &c : {
           // Dhaka, six hours ahead of the device.
           Case{"place's zone", "en_GB", at(23.8103, 90.4125, "Asia/Dhaka"), "18:48"},
           Case{"device's zone without one", "en_GB", at(23.8103, 90.4125, std::nullopt), "12:48"},
           Case{"unknown zone", "en_GB", at(23.8103, 90.4125, "Mars/Olympus"), "12:48"},
           Case{"twelve-hour clock", "en_US", at(23.8103, 90.4125, "Asia/Dhaka"), "06:48"},
       }) {
    ScopedLocaleAndZone locale(c.locale, "UTC");
    EXPECT_EQ(sunset(layColumn(c.data, midsummer)).label, c.label) << c.what;
  }
}

TEST(WeatherSunColumnView, ASunsetNotAfterTheSunriseKeepsItsTimeButNotThePlace) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "UTC");
  using Place = WeatherSunColumnView::SunPlace;
  const TimeZone utc = TimeZone::utc();
  const Date rise = midsummer, set = midsummer.addingTimeInterval(3600);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    std::string what;
    std::optional<Date> sunrise, sunset;
    Date date;
    Place place;
  };
  for (const Case &c : {
           Case{"sunset before sunrise", set, rise, rise, {"12:00", 0.34}},
           Case{"sunset at sunrise", rise, rise, rise, {"12:00", 0.34}},
           Case{"in order", rise, set, midsummer.addingTimeInterval(900), {"13:00", 0.25}},
           Case{"no sunrise", std::nullopt, set, rise, {"21:04", 0.34}},
           Case{"no sunset", rise, std::nullopt, rise, {"21:04", 0.34}},
           Case{"entry date no number", rise, set, Date{nan}, {"13:00", 0.05}},
       })
    EXPECT_EQ(WeatherSunColumnView::sunPlace(c.sunrise, c.sunset, c.date, utc), c.place) << c.what;
}

TEST(WeatherSunColumnView, LongPlaceAndHugeTemperaturesStayOnTheirLines) {
  TempHome home;
  ScopedLocaleAndZone locale("en_GB", "UTC");
  ZCtx ctx = widgetContext(largeWidget);
  double contentWidth = 364 - 2 * (16 + 36) * ctx.u;
  enum class Fit { asIs, shrunk, cut };
  struct Case {
    int64_t temperature;
    Fit fit;
  };
  for (const Case &c :
       {Case{-40, Fit::asIs}, Case{-12345, Fit::shrunk}, Case{INT64_MIN, Fit::cut}}) {
    WeatherSnapshot data = at(std::nullopt, std::nullopt, std::nullopt);
    data.place = "Llanfairpwllgwyngyll, Isle of Anglesey";
    data.temperature = c.temperature;
    LaidOutTree tree =
        layReal(WeatherSunColumnView(data, midsummer, ctx, Clock::fixed(midsummer)).body(),
                largeWidget.size);
    std::string shown = std::to_string(c.temperature) + "°";
    const LaidOutNode &numeral = textNode(tree, shown);
    TextMetrics fitted =
        realTextEngine().measure(shown, run(numeral).style, ProposedSize::of(numeral.frame.size));
    EXPECT_EQ(fitted.lineCount, 1) << shown;
    EXPECT_LE(numeral.frame.size.width, contentWidth + 0.01) << shown;
    EXPECT_EQ(fitted.truncated, c.fit == Fit::cut) << shown;
    EXPECT_EQ(fitted.scale < 1, c.fit != Fit::asIs) << shown;
    EXPECT_GE(fitted.scale, 0.55) << shown;

    const LaidOutNode &feels = textNode(tree, "LLANFAIRPWLLGWYNGYLL, ISLE OF ANGLESEY — FEELS 25°");
    EXPECT_LE(feels.frame.maxX(), 364 - 52 * ctx.u + 1e-9);
    EXPECT_EQ(realTextEngine()
                  .measure(run(feels).text, run(feels).style, ProposedSize::of(feels.frame.size))
                  .lineCount,
              1);
  }
}

} // namespace
} // namespace zavel
