#include "Shared/Views/WeatherViews/WeatherSunColumnView.h"
#include "Shared/Views/Hardware/SunArc.h"
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
using zavel::test::ScopedLocaleAndZone;

// A home without stored choices, on a British device.
class WeatherSunColumnViewTest : public ::testing::Test {
  test::TempHome home;
  ScopedLocaleAndZone locale{"en_GB", "Europe/London"};
};

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
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

LaidOutTree layColumn(const WeatherSnapshot &data, Date date, Date now = midsummer) {
  return lay(WeatherSunColumnView{date, data, large, Clock::fixed(now)}.body(), {310, 310});
}

// Where the sun's centre lies within the arc (the last geometry reader).
Point sunWithin(const LaidOutTree &tree) {
  const LaidOutNode &arc = *tree.root.findAll("GeometryReader").back();
  Rect sun = arc.findAll("Circle").at(1)->frame;
  return {sun.midX() - arc.frame.minX(), sun.midY() - arc.frame.minY()};
}

// Checks the label beside "SUNSET" and that the sun sits where SunArc draws it at `t`.
void expectSunset(const LaidOutTree &tree, const std::string &label, double t,
                  const std::string &what) {
  EXPECT_EQ(tree.root.texts().back(), label) << what;
  Size arc = tree.root.findAll("GeometryReader").back()->frame.size;
  expectPointNear(sunWithin(tree),
                  sunWithin(lay(SunArc(t, {.height = 88, .sunRadius = 7.5}, large), arc)), what);
}

TEST_F(WeatherSunColumnViewTest, RowsFollowOneAnotherDownTheScreen) {
  WeatherSnapshot data = london;
  data.condition = "partly CLOUDY";
  LaidOutTree tree = layColumn(data, midsummer);
  EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"23°", "Partly Cloudy",
                                                         "LONDON — FEELS 25°", "SUNSET", "21:21"}));
  EXPECT_EQ(run(textNode(tree, "23°")).paint, Paint{large.accent});
}

TEST_F(WeatherSunColumnViewTest, SunTimesAreOfTheDayOfRenderingNotOfTheEntry) {
  // Entry at midwinter, rendered at midsummer: midsummer's sunset, the entry long after it.
  expectSunset(layColumn(london, midwinter, midsummer), "21:21", 0.95, "later entry");
  expectSunset(layColumn(london, midsummer, midwinter), "15:53", 0.05, "earlier entry");
}

TEST_F(WeatherSunColumnViewTest, WithoutCoordinatesOrInPolarDayOrNightTheSunRestsAtItsDefault) {
  struct Case {
    const char *name = "";
    WeatherSnapshot data;
    Date now;
  };
  const Case cases[] = {
      Case{.name = "no coordinates",
           .data = at(std::nullopt, std::nullopt, std::nullopt),
           .now = midsummer},
      Case{.name = "polar day", .data = at(69.6492, 18.9553, "Europe/Oslo"), .now = midsummer},
      Case{.name = "no number", .data = at(nan, 0, "UTC"), .now = midsummer},
  };
  for (const Case &c : cases)
    expectSunset(layColumn(c.data, c.now, c.now), "21:04", 0.34, c.name);
}

TEST_F(WeatherSunColumnViewTest, SunsetIsWrittenInThePlacesZoneAndClockFormat) {
  const WeatherSnapshot dhaka = at(23.8103, 90.4125, "Asia/Dhaka"); // six hours ahead of UTC
  struct Case {
    const char *locale = "", *label = "";
  };
  for (const Case &c :
       {Case{.locale = "en_GB", .label = "18:48"}, Case{.locale = "en_US", .label = "06:48"}}) {
    ScopedLocaleAndZone scoped(c.locale, "UTC");
    EXPECT_EQ(layColumn(dhaka, midsummer).root.texts().back(), c.label) << c.locale;
  }
}

TEST_F(WeatherSunColumnViewTest, ASunsetNotAfterTheSunriseKeepsItsTimeButNotThePlace) {
  using Place = WeatherSunColumnView::SunPlace;
  const Date rise = midsummer, set = midsummer.addingTimeInterval(3600);
  struct Case {
    const char *name = "";
    std::optional<Date> sunrise, sunset;
    Date date;
    Place place;
  };
  const Case cases[] = {
      Case{.name = "sunset before sunrise",
           .sunrise = set,
           .sunset = rise,
           .date = rise,
           .place = {.label = "12:00", .t = 0.34}},
      Case{.name = "sunset at sunrise",
           .sunrise = rise,
           .sunset = rise,
           .date = rise,
           .place = {.label = "12:00", .t = 0.34}},
      Case{.name = "in order",
           .sunrise = rise,
           .sunset = set,
           .date = midsummer.addingTimeInterval(900),
           .place = {.label = "13:00", .t = 0.25}},
      Case{.name = "no sunrise",
           .sunrise = std::nullopt,
           .sunset = set,
           .date = rise,
           .place = {.label = "21:04", .t = 0.34}},
      Case{.name = "no sunset",
           .sunrise = rise,
           .sunset = std::nullopt,
           .date = rise,
           .place = {.label = "21:04", .t = 0.34}},
      Case{.name = "entry date no number",
           .sunrise = rise,
           .sunset = set,
           .date = Date{nan},
           .place = {.label = "13:00", .t = 0.05}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(WeatherSunColumnView::sunPlace(c.sunrise, c.sunset, c.date,
                                             kit::foundation::TimeZone::utc()),
              c.place)
        << c.name;
}

} // namespace
} // namespace zavel
