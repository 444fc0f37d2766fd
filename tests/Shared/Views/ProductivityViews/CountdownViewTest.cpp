#include "Shared/Views/ProductivityViews/CountdownView.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewTesting.h"
#include "support/ScopedEnvironment.h"

#include <optional>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Calendar;
using kit::foundation::Date;

TEST(CountdownView, CountsWholeLocalDaysOnTheDayOfRendering) {
  test::ScopedLocaleAndZone zone{"en_GB", "Europe/Berlin"};
  Calendar berlin = Calendar::current();
  ZCtx ctx = smallWidget.context();
  ctx.accent = ZavelTokens::gold;
  struct Case {
    const char *name;
    std::string title = "Launch";
    Date now;
    std::optional<Date> target = std::nullopt;
    std::vector<std::string> texts;
    Fit fit = Fit::asIs;
  };
  const Date morning = berlin.date(2026, 6, 10, 10, 0);
  for (const Case &c : {
           Case{.name = "no date", .now = morning, .texts = {"LAUNCH", "—", "SET A DATE"}},
           Case{.name = "later today",
           .now = morning,
           .target = berlin.date(2026, 6, 10, 23, 59),
           .texts = {"LAUNCH", "0", "TODAY"}},
           Case{.name = "earlier today",
           .now = morning,
           .target = berlin.date(2026, 6, 10, 0, 1),
           .texts = {"LAUNCH", "0", "TODAY"}},
           Case{.name = "tomorrow just after midnight, a minute before it",
           .now = berlin.date(2026, 6, 10, 23, 59),
           .target = berlin.date(2026, 6, 11, 0, 30),
           .texts = {"LAUNCH", "1", "DAY LEFT"}},
           Case{.name = "yesterday",
           .now = morning,
           .target = berlin.date(2026, 6, 9, 18, 0),
           .texts = {"LAUNCH", "0", "1 DAYS AGO"}},
           Case{.name = "three days ago",
           .now = morning,
           .target = berlin.date(2026, 6, 7, 9, 0),
           .texts = {"LAUNCH", "0", "3 DAYS AGO"}},
           // The 29th has 23 hours: 37.5 hours apart, two days.
           Case{.name = "across the clocks going forward",
           .now = berlin.date(2026, 3, 28, 12, 0),
           .target = berlin.date(2026, 3, 30, 0, 30),
           .texts = {"LAUNCH", "2", "DAYS LEFT"}},
           Case{.name = "untitled",
           .title = "",
           .now = morning,
           .texts = {"COUNTDOWN", "—", "SET A DATE"}},
           Case{.name = "a title of blanks stays blank",
           .title = "  ",
           .now = morning,
           .texts = {"  ", "—", "SET A DATE"}},
           Case{.name = "a long count shrinks",
           .now = morning,
           .target = berlin.addingDays(1200, morning),
           .texts = {"LAUNCH", "1200", "DAYS LEFT"},
           .fit = Fit::shrunk},
       }) {
    LaidOutTree tree = layReal(CountdownView{{c.title, c.target}, ctx}.body(), smallWidget, c.now);
    EXPECT_EQ(tree.root.texts(), c.texts) << c.name;
    EXPECT_EQ(run(textNode(tree, c.texts[0])).paint, Paint{ZavelTokens::gold}) << c.name;
    EXPECT_EQ(run(textNode(tree, c.texts[2])).paint, Paint{ZavelTokens::screenText3}) << c.name;
    expectFit(textNode(tree, c.texts[1]), 170 - 64 * smallWidget.u(), c.fit);
  }
}

} // namespace
} // namespace zavel
