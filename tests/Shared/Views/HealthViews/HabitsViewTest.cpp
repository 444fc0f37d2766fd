#include "Shared/Views/HealthViews/HabitsView.h"
#include "HealthViewsTesting.h"
#include "Shared/Theme/CasingInks.h"
#include "Shared/Theme/ColorContrast.h"
#include "Shared/Theme/DesignTokens.h"
#include "kit/foundation/Calendar.h"
#include "support/ScopedEnvironment.h"

#include <fmt/format.h>
#include <limits>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Date;

// The dots lie on the graphite casing: earlier days in its muted ink, the others unlit.
const Color lit = casingInk(InkLevel::muted, false), dark = ZavelTokens::trackFine;

TEST(HabitsView, DotsLightTheCountOfCheckInsFromMondayNeverPastTodayTodayInTheAccent) {
  const HabitsView view{{}, mediumWidget.context()};
  const Color accent = view.ctx.accent; // the signal accent reads on graphite as it is
  struct Case {
    const char *name;
    int today = 0;
    int64_t done = 0;
    std::vector<Color> dots;
  };
  for (const Case &c : {
           Case{.name = "Wednesday, five",
          .today = 2,
          .done = 5,
          .dots = {lit, lit, accent, dark, dark, dark, dark}},
           Case{.name = "Wednesday, one",
           .today = 2,
           .done = 1,
           .dots = {lit, dark, dark, dark, dark, dark, dark}},
           Case{.name = "Sunday, seven",
           .today = 6,
           .done = 7,
           .dots = {lit, lit, lit, lit, lit, lit, accent}},
           Case{.name = "Monday, none", .today = 0, .done = 0, .dots = std::vector(7, dark)},
           Case{.name = "Monday, one",
           .today = 0,
           .done = 1,
           .dots = {accent, dark, dark, dark, dark, dark, dark}},
           Case{.name = "a negative count", .today = 3, .done = -4, .dots = std::vector(7, dark)},
           Case{.name = "the largest count",
           .today = 1,
           .done = std::numeric_limits<int64_t>::max(),
           .dots = {lit, accent, dark, dark, dark, dark, dark}},
       }) {
    std::vector<Color> dots;
    for (int day = 0; day < 7; ++day)
      dots.push_back(view.dotColor(day, c.done, c.today));
    EXPECT_EQ(dots, c.dots) << c.name;
  }
}

TEST(HabitsView, OnCreamUnlitDotsAreTheLightestAndTheLitOnesReadOnTheCasing) {
  const HabitsView view{{}, mediumWidget.context(true)};
  // Wednesday with four check-ins: Monday and Tuesday lit, today in the accent, the rest unlit.
  std::vector<Color> dots;
  for (int day = 0; day < 7; ++day)
    dots.push_back(view.dotColor(day, 4, 2));
  const Color earlier = casingInk(InkLevel::muted, true), unlit = casingInk(InkLevel::unlit, true),
              accent = casingShade(view.ctx.accent, true);
  EXPECT_EQ(dots, (std::vector{earlier, earlier, accent, unlit, unlit, unlit, unlit}));
  EXPECT_GT(relativeLuminance(unlit), relativeLuminance(earlier));
  EXPECT_GT(relativeLuminance(unlit), relativeLuminance(accent));
  EXPECT_NE(accent, view.ctx.accent); // signal alone is too light on cream
}

// Habits with the given counts, named A, B, C… on fixed ids.
std::vector<HabitWeekRow> habits(std::vector<int64_t> done) {
  std::vector<HabitWeekRow> rows;
  for (std::size_t i = 0; i < done.size(); ++i)
    rows.push_back({*kit::foundation::UUID::fromString("0000000" + std::to_string(i) +
                                                       "-abcd-4ef0-8123-456789abcdef"),
                    std::string(1, char('A' + i)), done[i], 7});
  return rows;
}

TEST(HabitsView, FirstThreeHabitsAsKeysWithTheDayOfTheMomentOfDrawing) {
  test::ScopedLocaleAndZone oslo("en_US", "Europe/Oslo");
  auto calendar = kit::foundation::Calendar::current();
  const ZCtx ctx = mediumWidget.context();
  const double u = mediumWidget.u();
  const Color accent = ctx.accent;
  struct Case {
    const char *name;
    std::vector<HabitWeekRow> rows;
    Date drawn;
    std::vector<std::string> texts;
    std::vector<Color> firstRowDots;
  };
  for (const Case &c : {
           Case{.name = "the sample on a Wednesday",
          .rows = HabitWeekRow::samples(),
          .drawn = calendar.date(2026, 3, 4, 12, 0),
          .texts = {"RUN", "7/7", "READ", "5/7", "NO SUGAR", "2/7", "TAP A ROW TO LOG TODAY"},
          .firstRowDots = {lit, lit, accent, dark, dark, dark, dark}},
           Case{.name = "five habits",
           .rows = habits({1, 2, 3, 4, 5}),
           .drawn = calendar.date(2026, 3, 4, 12, 0),
           .texts = {"A", "1/7", "B", "2/7", "C", "3/7", "TAP A ROW TO LOG TODAY"},
           .firstRowDots = {lit, dark, dark, dark, dark, dark, dark}},
           Case{.name = "late on Sunday",
           .rows = habits({7}),
           .drawn = calendar.date(2026, 3, 8, 23, 59),
           .texts = {"A", "7/7", "TAP A ROW TO LOG TODAY"},
           .firstRowDots = {lit, lit, lit, lit, lit, lit, accent}},
           // The entry made on Sunday is drawn after midnight: Monday is today.
           Case{.name = "after midnight",
           .rows = habits({7}),
           .drawn = calendar.date(2026, 3, 9, 0, 1),
           .texts = {"A", "7/7", "TAP A ROW TO LOG TODAY"},
           .firstRowDots = {accent, dark, dark, dark, dark, dark, dark}},
           Case{.name = "no habits",
           .rows = {},
           .drawn = calendar.date(2026, 3, 4, 12, 0),
           .texts = {"TAP A ROW TO LOG TODAY"},
           .firstRowDots = {}},
       }) {
    SCOPED_TRACE(c.name);
    LaidOutTree tree = layReal(HabitsView{c.rows, ctx}.body(), mediumWidget, c.drawn);
    EXPECT_EQ(tree.root.texts(), c.texts);
    std::vector<Paint> dots = shapePaints(tree, "Circle");
    ASSERT_EQ(dots.size(), 7 * std::min<std::size_t>(c.rows.size(), 3));
    EXPECT_EQ(std::vector(dots.begin(), dots.begin() + long(c.firstRowDots.size())),
              std::vector<Paint>(c.firstRowDots.begin(), c.firstRowDots.end()));
    for (std::size_t i = 0; i < std::min<std::size_t>(c.rows.size(), 3); ++i) {
      const HabitWeekRow &row = c.rows[i];
      const LaidOutNode &name = textNode(tree, kit::foundation::uppercased(row.name));
      EXPECT_EQ(run(name).paint, Paint{ctx.casingInk()});
      // The name in its 96 units, the dots 16 after them, the count at the trailing edge; the
      // blank between them presses the row's key too.
      Rect firstDot = tree.root.findAll("Circle").at(7 * i)->frame;
      EXPECT_NEAR(name.frame.minX(), 26 * u, 1e-6);
      EXPECT_NEAR(firstDot.minX(), 138 * u, 1e-6);
      EXPECT_NEAR(firstDot.size.width, 9 * u, 1e-6);
      EXPECT_NEAR(textNode(tree, fmt::format("{}/7", row.done)).frame.maxX(), 364 - 26 * u, 1e-6);
      EXPECT_EQ(keyAt(tree, {130 * u, firstDot.midY()}),
                (IntentReference{"HabitToggleIntent", {{"habitID", row.id.uuidString()}}}));
    }
  }
  EXPECT_EQ(habits({1})[0].id.uuidString(), "00000000-ABCD-4EF0-8123-456789ABCDEF");
}

} // namespace
} // namespace zavel
