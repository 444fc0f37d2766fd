#include "HealthViewsTesting.h"
#include "Shared/Theme/CasingInks.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/HealthViews/ScreenElapsedView.h"
#include "Shared/Views/HealthViews/ScreenOrbitView.h"
#include "Shared/Views/HealthViews/ScreenWeeklyView.h"
#include "Shared/Views/HealthViews/TopAppsView.h"

#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using Day = UsageSnapshot::Day;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();

UsageSnapshot usage(int64_t total, int64_t budget) { return {total, budget, {}, {}}; }

TEST(ScreenOrbitView, TimeInsideTheDashedOrbitWithTheTimeLeftOrTheMinutesOver) {
  const ZCtx ctx = smallWidget.context();
  const double u = smallWidget.u();
  struct Case {
    const char *name;
    int64_t total = 0, budget = 480;
    const char *numeral, *status;
    Color statusColor = casingInk(InkLevel::tertiary, false);
  };
  for (const Case &c : {
           Case{.name = "at the budget", .total = 480, .numeral = "8:00", .status = "0M LEFT"},
           Case{.name = "a minute over",
           .total = 481,
           .numeral = "8:01",
           .status = "1M OVER",
           .statusColor = ctx.accent},
           Case{.name = "over by more than an hour",
           .total = 575,
           .numeral = "9:35",
           .status = "95M OVER",
           .statusColor = ctx.accent},
           Case{.name = "nothing yet", .total = 0, .numeral = "0:00", .status = "8H 0M LEFT"},
           Case{
               .name = "an hour and five", .total = 65, .numeral = "1:05", .status = "6H 55M LEFT"},
           Case{
               .name = "a negative count", .total = -30, .numeral = "0:00", .status = "8H 0M LEFT"},
           Case{.name = "a negative budget",
           .total = 10,
           .budget = -5,
           .numeral = "0:10",
           .status = "10M OVER",
           .statusColor = ctx.accent},
           Case{.name = "the largest count",
           .total = kMax,
           .numeral = "153722867280912930:07",
           .status = "9223372036854775327M OVER",
           .statusColor = ctx.accent},
       }) {
    SCOPED_TRACE(c.name);
    LaidOutTree tree = layReal(ScreenOrbitView{usage(c.total, c.budget), ctx}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"SCREEN", c.numeral, c.status}));
    EXPECT_EQ(run(textNode(tree, c.status)).paint, Paint{c.statusColor});
    std::vector<const LaidOutNode *> orbit = tree.root.findAll("Circle");
    ASSERT_EQ(orbit.size(), 1u);
    expectRectNear(orbit[0]->frame, rect(85 - 84 * u, 85 - 84 * u, 168 * u, 168 * u), c.name);
    const ShapeDraw &dashes = *orbit[0]->as<ShapeDraw>();
    // On graphite the orbit's token would all but vanish: it takes the casing's muted ink.
    EXPECT_EQ(dashes.paint, Paint{casingInk(InkLevel::muted, false)});
    ASSERT_TRUE(dashes.stroke);
    EXPECT_EQ(dashes.stroke->dash, (std::vector<double>{5 * u, 5 * u}));
    EXPECT_EQ(std::tuple(dashes.stroke->lineWidth, dashes.stroke->lineCap),
              std::tuple(2 * u, LineCap::butt));
  }
}

TEST(ScreenElapsedView, CellsLightRowByRowForTheShareOfTheBudgetUsed) {
  const double u = smallWidget.u();
  struct Case {
    const char *name;
    int64_t total = 0, budget = 480;
    std::size_t lit = 0;
    const char *percent, *footer = "OF 8H 00M DAILY BUDGET";
  };
  for (const Case &c : {
           Case{.name = "half", .total = 240, .lit = 25, .percent = "50%"},
           Case{.name = "0.52 of a cell", .total = 5, .lit = 1, .percent = "1%"},
           Case{.name = "0.31 of a cell", .total = 3, .lit = 0, .percent = "1%"},
           Case{.name = "the budget", .total = 480, .lit = 50, .percent = "100%"},
           Case{.name = "past the budget", .total = 700, .lit = 50, .percent = "100%"},
           Case{.name = "the largest count", .total = kMax, .lit = 50, .percent = "100%"},
           Case{.name = "a negative count", .total = -20, .lit = 0, .percent = "0%"},
           Case{.name = "an odd budget",
           .total = 61,
           .budget = 125,
           .lit = 24,
           .percent = "49%",
           .footer = "OF 2H 05M DAILY BUDGET"},
           Case{.name = "no budget",
           .total = 0,
           .budget = 0,
           .lit = 50,
           .percent = "100%",
           .footer = "OF 0H 00M DAILY BUDGET"},
       }) {
    SCOPED_TRACE(c.name);
    LaidOutTree tree = layReal(
        ScreenElapsedView{usage(c.total, c.budget), smallWidget.context()}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"ELAPSED", c.percent, c.footer}));
    EXPECT_EQ(run(textNode(tree, c.percent)).paint, Paint{ZavelTokens::dataTeal});
    std::vector<Paint> cells = shapePaints(tree, "RoundedRectangle");
    std::vector<Paint> expected(50, Paint{ZavelTokens::trackFine});
    std::fill_n(expected.begin(), c.lit, Paint{ZavelTokens::dataTeal});
    EXPECT_EQ(cells, expected);
  }
  // Ten cells a row sharing the padded width, rows 9 units apart under the header; the footer
  // at the bottom.
  LaidOutTree tree =
      layReal(ScreenElapsedView{usage(1, 480), smallWidget.context()}.body(), smallWidget);
  std::vector<Rect> cells = kit::ui::testing::framesOf(tree, "RoundedRectangle");
  const double cellWidth = (170 - 36 * u - 81 * u) / 10;
  Rect header = textNode(tree, "0%").frame;
  expectRectNear(cells[0], rect(18 * u, header.maxY() + 22 * u, cellWidth, 7 * u), "first", 1e-6);
  expectRectNear(cells[49],
                 rect(170 - 18 * u - cellWidth, cells[0].minY() + 4 * 16 * u, cellWidth, 7 * u),
                 "last", 1e-6);
  EXPECT_NEAR(header.maxX(), 170 - 18 * u, 1e-6);
  Rect footer = textNode(tree, "OF 8H 00M DAILY BUDGET").frame;
  EXPECT_NEAR(footer.minX(), 18 * u, 1e-6);
  EXPECT_NEAR(footer.maxY(), 170 - 18 * u, 1e-6);
}

Day day(const char *label, int64_t minutes, bool isToday = false) {
  return {label, minutes, isToday, false};
}

TEST(ScreenWeeklyView, BarsShareTheLongestDaysHeightTodayInAccentUnderTheAverage) {
  const ZCtx ctx = mediumWidget.context();
  const double u = mediumWidget.u();
  const UsageSnapshot sample = UsageSnapshot::sample();
  struct Case {
    const char *name;
    std::vector<Day> week;
    const char *average;
    std::vector<double> shares; // of 0.7 of the chart's height; 0 for the least bar
  };
  for (const Case &c : {
           Case{.name = "the sample",
          .week = sample.week,
          .average = "4h 3m",
          .shares = {250. / 350, 200. / 350, 300. / 350, 150. / 350, 250. / 350, 1, 204. / 350}},
           Case{.name = "all zeros",
           .week = {day("Mon", 0), day("Tue", 0), day("Wed", 0, true)},
           .average = "0m",
           .shares = {0, 0, 0}},
           Case{.name = "a negative day and the largest",
           .week = {day("Mon", -50), day("Tue", kMax), day("Wed", kMax, true)},
           .average = "51240955760304310h 2m",
           .shares = {0, 1, 1}},
           Case{.name = "no days", .week = {}, .average = "0m", .shares = {}},
       }) {
    SCOPED_TRACE(c.name);
    UsageSnapshot data{0, 480, {}, c.week};
    LaidOutTree tree = layReal(ScreenWeeklyView{data, ctx}.body(), mediumWidget);
    EXPECT_EQ(run(textNode(tree, c.average)).style.font, ctx.mono(16, FontWeight::bold));
    const Rect chart = tree.root.findAll("GeometryReader").back()->frame;
    std::vector<const LaidOutNode *> bars = tree.root.findAll("RoundedRectangle");
    ASSERT_EQ(bars.size(), c.shares.size());
    const double width =
        (chart.size.width - 14 * u * double(bars.size() - 1)) / double(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
      const Day &d = c.week[i];
      double height = std::max(0.7 * chart.size.height * c.shares[i], 4 * u);
      expectRectNear(
          bars[i]->frame,
          rect(chart.minX() + double(i) * (width + 14 * u), bars[i]->frame.minY(), width, height),
          d.label, 1e-6);
      // The other days in the casing's muted ink: the screen's bar grey all but vanishes there.
      EXPECT_EQ(bars[i]->as<ShapeDraw>()->paint,
                Paint{d.isToday ? ctx.accent : casingInk(InkLevel::muted, false)});
      const LaidOutNode &label = textNode(tree, kit::foundation::uppercased(d.label.substr(0, 2)));
      EXPECT_NEAR(label.frame.maxY(), chart.maxY(), 1e-6) << d.label;
      EXPECT_NEAR(label.frame.minY() - bars[i]->frame.maxY(), 8 * u, 1e-6) << d.label;
      EXPECT_EQ(run(label).paint,
                Paint{casingInk(d.isToday ? InkLevel::primary : InkLevel::tertiary, false)});
    }
    if (c.week.empty()) {
      EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"DAILY AVERAGE", "0m"}));
    }
  }
}

TEST(TopAppsView, TheFirstThreeAppsWithBarsAgainstTheMostUsedOfThem) {
  const ZCtx ctx = mediumWidget.context();
  const double u = mediumWidget.u();
  using App = UsageSnapshot::App;
  struct Case {
    const char *name;
    std::vector<App> apps;
    std::vector<std::string> texts;
    std::vector<double> fractions;
  };
  for (const Case &c : {
           Case{.name = "one app",
          .apps = {{"Xcode", 45, false}},
          .texts = {"TOP APPS — TODAY", "XCODE", "45M"},
          .fractions = {0.72}},
           Case{.name = "four apps, the third flagged",
           .apps = {{"Figma", 72, false},
                    {"Safari", 200, false},
                    {"Messages", 36, true},
                    {"Mail", 500, false}},
           .texts = {"TOP APPS — TODAY", "FIGMA", "1H 12M", "SAFARI", "3H 20M", "MESSAGES", "36M"},
           .fractions = {0.72 * 72 / 200, 0.72, 0.72 * 36 / 200}},
           Case{.name = "negative minutes",
           .apps = {{"Clock", -5, false}},
           .texts = {"TOP APPS — TODAY", "CLOCK", "0M"},
           .fractions = {0}},
           Case{.name = "ten-hour days",
           .apps = {{"Final Cut Pro", 1499, false}, {"Xcode", 630, true}, {"Mail", 600, false}},
           .texts = {"TOP APPS — TODAY", "FINAL CUT PRO", "24H 59M", "XCODE", "10H 30M", "MAIL",
                     "10H 0M"},
           .fractions = {0.72, 0.72 * 630 / 1499, 0.72 * 600 / 1499}},
           Case{.name = "no apps", .apps = {}, .texts = {"TOP APPS — TODAY"}, .fractions = {}},
       }) {
    SCOPED_TRACE(c.name);
    UsageSnapshot data{0, 480, c.apps, {}};
    LaidOutTree tree = layReal(TopAppsView{data, ctx}.body(), mediumWidget);
    EXPECT_EQ(tree.root.texts(), c.texts);
    std::vector<const LaidOutNode *> capsules = tree.root.findAll("Capsule");
    ASSERT_EQ(capsules.size(), 2 * c.fractions.size());
    for (std::size_t i = 0; i < c.fractions.size(); ++i) {
      Rect track = capsules[2 * i]->frame, fill = capsules[2 * i + 1]->frame;
      const App &app = c.apps[i];
      EXPECT_NEAR(fill.size.width, std::max(track.size.width * c.fractions[i], 8 * u), 1e-6);
      EXPECT_EQ(capsules[2 * i + 1]->as<ShapeDraw>()->paint,
                Paint{app.isFlagged ? ctx.accent : ZavelTokens::dataTeal});
      const LaidOutNode &name = textNode(tree, kit::foundation::uppercased(app.name));
      EXPECT_EQ(run(name).paint, Paint{ctx.casingInk()});
      // The name in its 96 units, the bar after 14, the time in 60 at the trailing edge: room
      // for a day's longest, 24H 59M, on one line.
      EXPECT_NEAR(name.frame.minX(), 26 * u, 1e-6);
      EXPECT_NEAR(track.minX(), 26 * u + 110 * u, 1e-6);
      EXPECT_NEAR(track.maxX(), 364 - 26 * u - 74 * u, 1e-6);
      EXPECT_NEAR(name.frame.midY(), track.midY(), 1e-6);
      const LaidOutNode &time = textNode(tree, c.texts[2 * i + 2]);
      EXPECT_EQ(fitted(time).lineCount, 1);
      EXPECT_FALSE(fitted(time).truncated);
      EXPECT_EQ(fitted(time).scale, 1);
      // Every row one height: the bars 20 units and a row apart.
      if (i > 0) {
        EXPECT_NEAR(track.midY() - capsules[2 * i - 2]->frame.midY(),
                    20 * u + name.frame.size.height, 1e-6);
      }
    }
  }
}

} // namespace
} // namespace zavel
