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
  std::tie(snapshot.feelsLike, snapshot.latitude, snapshot.longitude, snapshot.timeZoneID) =
      std::tuple(25, latitude, longitude, std::move(zone));
  return snapshot;
}
const WeatherSnapshot london = at(51.5072, -0.1276, "Europe/London");

// A 310 point large widget: u = 0.5; the screen inset 8, the content 16 and 18 more.
const ZCtx large = context(0.5, ZavelSize::l);

LaidOutTree layColumn(const WeatherSnapshot &data, Date date, Date now = midsummer) {
  return lay(WeatherSunColumnView(data, date, large, Clock::fixed(now)).body(), {310, 310});
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
  expectPointNear(sunWithin(tree), sunWithin(lay(SunArc(t, 88, 7.5, large), arc)), what);
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
  for (auto [what, data, now] :
       {std::tuple{"no coordinates", at(std::nullopt, std::nullopt, std::nullopt), midsummer},
        {"polar day", at(69.6492, 18.9553, "Europe/Oslo"), midsummer},
        {"no number", at(nan, 0, "UTC"), midsummer}})
    expectSunset(layColumn(data, now, now), "21:04", 0.34, what);
}

TEST_F(WeatherSunColumnViewTest, SunsetIsWrittenInThePlacesZoneAndClockFormat) {
  const WeatherSnapshot dhaka = at(23.8103, 90.4125, "Asia/Dhaka"); // six hours ahead of UTC
  for (auto [locale, label] : {std::pair{"en_GB", "18:48"}, {"en_US", "06:48"}}) {
    ScopedLocaleAndZone scoped(locale, "UTC");
    EXPECT_EQ(layColumn(dhaka, midsummer).root.texts().back(), label) << locale;
  }
}

TEST_F(WeatherSunColumnViewTest, ASunsetNotAfterTheSunriseKeepsItsTimeButNotThePlace) {
  using Place = WeatherSunColumnView::SunPlace;
  const Date rise = midsummer, set = midsummer.addingTimeInterval(3600);
  const std::tuple<const char *, std::optional<Date>, std::optional<Date>, Date, Place> cases[] = {
      {"sunset before sunrise", set, rise, rise, {"12:00", 0.34}},
      {"sunset at sunrise", rise, rise, rise, {"12:00", 0.34}},
      {"in order", rise, set, midsummer.addingTimeInterval(900), {"13:00", 0.25}},
      {"no sunrise", std::nullopt, set, rise, {"21:04", 0.34}},
      {"no sunset", rise, std::nullopt, rise, {"21:04", 0.34}},
      {"entry date no number", rise, set, Date{nan}, {"13:00", 0.05}},
  };
  for (const auto &[what, sunrise, sunset, date, place] : cases)
    EXPECT_EQ(
        WeatherSunColumnView::sunPlace(sunrise, sunset, date, kit::foundation::TimeZone::utc()),
        place)
        << what;
}

} // namespace
} // namespace zavel
