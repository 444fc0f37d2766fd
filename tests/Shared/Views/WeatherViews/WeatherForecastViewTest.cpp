#include "Shared/Views/WeatherViews/WeatherForecastView.h"
#include "Shared/Theme/DesignTokens.h"
#include "WeatherViewsTesting.h"
#include "support/ScopedEnvironment.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Clock;
using kit::foundation::Date;
using zavel::test::ScopedLocaleAndZone;

// Wednesday 15 May 2024, 12:00 UTC.
const Date wednesdayNoon = Date::fromUnixTime(1715774400);

// A 310 point medium widget: u = 0.5, the screen inset 7.5, the content 11 and 13 more.
LaidOutTree layForecast(const WeatherSnapshot &data, Date now = wednesdayNoon) {
  return lay(WeatherForecastView(data, context(0.5, ZavelSize::m), Clock::fixed(now)).body(),
             {310, 150});
}

TEST(WeatherForecastView, HeaderOverTodayAndSixDays) {
  ScopedLocaleAndZone locale("en_US", "Europe/London");
  LaidOutTree tree = layForecast(WeatherSnapshot::sample());
  EXPECT_EQ(
      tree.root.texts(),
      (std::vector<std::string>{"LONDON — NEXT 7 DAYS", "H 31° · L 15°", "27°", "WE", "26°", "TH",
                                "28°", "FR", "31°", "SA", "27°", "SU", "24°", "MO", "22°", "TU"}));
  // Today's numeral in the accent and its label brighter than the others'.
  std::vector<const LaidOutNode *> texts = tree.root.findAll("Text");
  EXPECT_EQ((std::vector<Paint>{run(*texts[2]).paint, run(*texts[3]).paint, run(*texts[5]).paint}),
            (std::vector<Paint>{ZavelTokens::signal, ZavelTokens::screenText1,
                                ZavelTokens::screenText3}));
}

TEST(WeatherForecastView, WithNoDaysTheTodayCellStandsAloneInTheMiddle) {
  ScopedLocaleAndZone locale("en_US", "UTC");
  LaidOutTree tree = layForecast(weather("Reykjavík", -3, -1, -12));
  EXPECT_EQ(tree.root.texts(),
            (std::vector<std::string>{"REYKJAVÍK — NEXT 7 DAYS", "H -1° · L -12°", "-1°", "WE"}));
  EXPECT_NEAR(textNode(tree, "-1°").frame.midX(), 155, 1e-9);
}

TEST(WeatherForecastView, SixDaysFollowTodayButAllCountForTheWeekAndLabelsKeepTwoCharacters) {
  ScopedLocaleAndZone locale("en_US", "UTC");
  // The last two beyond the sixth day: only the header shows them.
  std::vector<WeatherSnapshot::Day> days{
      {"Thursday", 1, 0},        {"F", 2, 0},  {"", 3, 0},    {"Mie\u0301", 4, 0},
      {"e\u0301te\u0301", 5, 0}, {"Tu", 6, 0}, {"We", 7, -5}, {"Th", 40, 0}};
  WeatherSnapshot lyon = weather("Lyon", 1, 9, 0);
  lyon.days = days;
  EXPECT_EQ(
      layForecast(lyon).root.texts(),
      (std::vector<std::string>{"LYON — NEXT 7 DAYS", "H 40° · L -5°", "9°", "WE", "1°", "TH", "2°",
                                "F", "3°", "", "4°", "MI", "5°", "E\u0301T", "6°", "TU"}));
}

TEST(WeatherForecastView, TodayIsNamedInTheDevicesLanguageAndZone) {
  // 23:30 on Wednesday in London is already Thursday in Tokyo.
  const Date late = wednesdayNoon.addingTimeInterval(10.5 * 3600);
  struct Case {
    const char *locale = "", *zone = "", *label = "";
  };
  for (const Case &c : {Case{.locale = "de_DE", .zone = "Europe/London", .label = "MI"},
                        Case{.locale = "en_GB", .zone = "Asia/Tokyo", .label = "TH"},
                        Case{.locale = "en_GB", .zone = "Europe/London", .label = "WE"}}) {
    ScopedLocaleAndZone scoped(c.locale, c.zone);
    EXPECT_EQ(layForecast(weather("Here", 1, 2, 0), late).root.texts().back(), c.label)
        << c.locale << " " << c.zone;
  }
}

} // namespace
} // namespace zavel
