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

WeatherSnapshot withDays(WeatherSnapshot snapshot, std::vector<WeatherSnapshot::Day> days) {
  snapshot.days = std::move(days);
  return snapshot;
}

WeatherForecastView forecast(const WeatherSnapshot &data, const ZCtx &ctx,
                             Date now = wednesdayNoon) {
  return WeatherForecastView(data, ctx, Clock::fixed(now));
}

// The day-of-week cells' texts, numerals and labels, in order.
std::vector<std::string> cellTexts(const LaidOutTree &tree) {
  std::vector<std::string> texts = tree.root.texts();
  return {texts.begin() + 2, texts.end()};
}

TEST(WeatherForecastView, HeaderAndTodayWithSixDaysSpreadAcrossTheScreen) {
  ScopedLocaleAndZone locale("en_US", "Europe/London");
  // A 310 point medium widget: u = 0.5, the screen inset 7.5, the content 11 and 13 more.
  ZCtx ctx = context(0.5, ZavelSize::m);
  LaidOutTree tree = lay(forecast(WeatherSnapshot::sample(), ctx).body(), {310, 150});

  const LaidOutNode &caption = textNode(tree, "LONDON — NEXT 7 DAYS");
  const LaidOutNode &extremes = textNode(tree, "H 31° · L 15°");
  expectMicroLabel(caption, 10, 0.16, ZavelTokens::screenText2, ctx);
  expectMicroLabel(extremes, 10, 0.1, ZavelTokens::screenText3, ctx);
  EXPECT_DOUBLE_EQ(caption.frame.minX(), 20.5);
  EXPECT_DOUBLE_EQ(caption.frame.minY(), 18.5);
  EXPECT_DOUBLE_EQ(extremes.frame.maxX(), 289.5);
  EXPECT_DOUBLE_EQ(extremes.frame.midY(), caption.frame.midY());

  EXPECT_EQ(cellTexts(tree),
            (std::vector<std::string>{"27°", "WE", "26°", "TH", "28°", "FR", "31°", "SA", "27°",
                                      "SU", "24°", "MO", "22°", "TU"}));
  std::vector<const LaidOutNode *> numerals, labels;
  for (const LaidOutNode *node : tree.root.findAll("Text"))
    (run(*node).style.font.size == ctx.mono(20, FontWeight::bold).size ? numerals : labels)
        .push_back(node);
  ASSERT_EQ(numerals.size(), 7u);
  for (std::size_t i = 0; i < 7; ++i) {
    bool today = i == 0;
    std::string what = "cell " + std::to_string(i);
    EXPECT_EQ(run(*numerals[i]).style.font, ctx.mono(20, FontWeight::bold)) << what;
    EXPECT_EQ(run(*numerals[i]).paint, Paint{today ? ctx.accent : ZavelTokens::screenText1})
        << what;
    expectMicroLabel(*labels[i + 2], 9, 0.12,
                     today ? ZavelTokens::screenText1 : ZavelTokens::screenText3, ctx);
    // The label 10 units under its numeral, both centred on one line, on the bottom inset.
    EXPECT_NEAR(labels[i + 2]->frame.minY() - numerals[i]->frame.maxY(), 5, 1e-9) << what;
    EXPECT_NEAR(labels[i + 2]->frame.midX(), numerals[i]->frame.midX(), 1e-9) << what;
    EXPECT_NEAR(labels[i + 2]->frame.maxY(), 128.5, 1e-9) << what;
  }
  // First and last cells at the row's ends, 4 units in; equal gaps between.
  EXPECT_NEAR(numerals.front()->frame.minX(), 22.5, 1e-9);
  EXPECT_NEAR(numerals.back()->frame.maxX(), 287.5, 1e-9);
  double gap = numerals[1]->frame.minX() - numerals[0]->frame.maxX();
  EXPECT_GT(gap, 8);
  for (std::size_t i = 1; i < 7; ++i)
    EXPECT_NEAR(numerals[i]->frame.minX() - numerals[i - 1]->frame.maxX(), gap, 1e-9) << i;
}

TEST(WeatherForecastView, WithNoDaysTheTodayCellStandsAloneInTheMiddle) {
  ScopedLocaleAndZone locale("en_US", "UTC");
  ZCtx ctx = context(0.5, ZavelSize::m);
  LaidOutTree tree = lay(forecast(weather("Reykjavík", -3, -1, -12), ctx).body(), {310, 150});
  EXPECT_EQ(tree.root.texts(),
            (std::vector<std::string>{"REYKJAVÍK — NEXT 7 DAYS", "H -1° · L -12°", "-1°", "WE"}));
  EXPECT_NEAR(textNode(tree, "-1°").frame.midX(), 155, 1e-9);
  EXPECT_NEAR(textNode(tree, "WE").frame.midX(), 155, 1e-9);
}

TEST(WeatherForecastView, OnlyTheFirstSixDaysFollowTodayButAllCountForTheWeek) {
  ScopedLocaleAndZone locale("en_US", "UTC");
  std::vector<WeatherSnapshot::Day> days;
  for (int i = 0; i < 9; ++i)
    days.push_back({"D" + std::to_string(i), 10 + i, i - 5});
  days[7].high = 40; // beyond the sixth day: only the header shows it
  LaidOutTree tree =
      lay(forecast(withDays(weather("Rome", 12, 15, 2), days), context(0.5, ZavelSize::m)).body(),
          {310, 150});
  EXPECT_EQ(cellTexts(tree),
            (std::vector<std::string>{"15°", "WE", "10°", "D0", "11°", "D1", "12°", "D2", "13°",
                                      "D3", "14°", "D4", "15°", "D5"}));
  EXPECT_TRUE(tree.root.findText("H 40° · L -5°"));
}

TEST(WeatherForecastView, DayLabelsKeepTheirFirstTwoCharacters) {
  ScopedLocaleAndZone locale("en_US", "UTC");
  std::vector<WeatherSnapshot::Day> days{
      {"Thursday", 1, 0}, {"F", 2, 0}, {"", 3, 0}, {"Mie\u0301", 4, 0}, {"e\u0301te\u0301", 5, 0}};
  LaidOutTree tree =
      lay(forecast(withDays(weather("Lyon", 1, 9, 0), days), context(0.5, ZavelSize::m)).body(),
          {310, 150});
  EXPECT_EQ(cellTexts(tree), (std::vector<std::string>{"9°", "WE", "1°", "TH", "2°", "F", "3°", "",
                                                       "4°", "MI", "5°", "E\u0301T"}));
}

TEST(WeatherForecastView, TodayIsNamedInTheDevicesLanguageAndZone) {
  struct Case {
    std::string locale, zone;
    Date now;
    std::string label;
  };
  for (const Case &c : {
           Case{"en_US", "UTC", wednesdayNoon, "WE"},
           Case{"de_DE", "Europe/Berlin", wednesdayNoon, "MI"},
           Case{"fr_FR", "Europe/Paris", wednesdayNoon, "ME"},
           // 23:30 on Wednesday in London is already Thursday in Tokyo.
           Case{"en_GB", "Asia/Tokyo", wednesdayNoon.addingTimeInterval(10.5 * 3600), "TH"},
           Case{"en_GB", "Europe/London", wednesdayNoon.addingTimeInterval(10.5 * 3600), "WE"},
       }) {
    ScopedLocaleAndZone locale(c.locale, c.zone);
    LaidOutTree tree = lay(
        forecast(weather("Here", 1, 2, 0), context(0.5, ZavelSize::m), c.now).body(), {310, 150});
    EXPECT_EQ(tree.root.texts().back(), c.label) << c.locale << " " << c.zone;
  }
}

TEST(WeatherForecastView, ALongPlaceGivesWayToTheWeeksExtremes) {
  ScopedLocaleAndZone locale("en_US", "UTC");
  ZCtx ctx = widgetContext(mediumWidget);
  LaidOutTree tree = layReal(
      forecast(weather("Santa Cruz de la Sierra, Bolivia", 24, 31, 19), ctx).body(), {364, 170});
  const LaidOutNode &caption = textNode(tree, "SANTA CRUZ DE LA SIERRA, BOLIVIA — NEXT 7 DAYS");
  const LaidOutNode &extremes = textNode(tree, "H 31° · L 19°");
  const TextEngine &engine = realTextEngine();
  EXPECT_TRUE(
      engine.measure(run(caption).text, run(caption).style, ProposedSize::of(caption.frame.size))
          .truncated);
  EXPECT_FALSE(
      engine.measure(run(extremes).text, run(extremes).style, ProposedSize::of(extremes.frame.size))
          .truncated);
  EXPECT_LT(caption.frame.maxX(), extremes.frame.minX());
  EXPECT_NEAR(extremes.frame.maxX(), 364 - 41 * ctx.u, 1e-9);
}

} // namespace
} // namespace zavel
