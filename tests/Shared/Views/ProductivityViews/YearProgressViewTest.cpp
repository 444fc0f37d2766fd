#include "Shared/Views/ProductivityViews/YearProgressView.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewTesting.h"
#include "kit/foundation/Calendar.h"
#include "support/ScopedEnvironment.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Date;

TEST(YearProgressView, DayOfTheYearItsShareAndTheDaysLeftUnderTheYear) {
  test::ScopedLocaleAndZone zone{"en_GB", "Pacific/Auckland"};
  auto calendar = kit::foundation::Calendar::current();
  struct Case {
    const char *name;
    Date date;
    std::string year;
    std::string day;
    std::string left;
    double fraction = 0;
  };
  for (const Case &c : {
           Case{.name = "the first day",
          .date = calendar.date(2026, 1, 1, 0, 0),
          .year = "2026",
          .day = "DAY 1 OF 365",
          .left = "0% — 364 DAYS LEFT",
          .fraction = 1.0 / 365},
           Case{.name = "the last day of a leap year",
           .date = calendar.date(2024, 12, 31, 23, 59),
           .year = "2024",
           .day = "DAY 366 OF 366",
           .left = "100% — 0 DAYS LEFT",
           .fraction = 1},
           Case{.name = "the middle day, 50.14 %",
           .date = calendar.date(2026, 7, 2, 12, 0),
           .year = "2026",
           .day = "DAY 183 OF 365",
           .left = "50% — 182 DAYS LEFT",
           .fraction = 183.0 / 365},
       }) {
    LaidOutTree tree =
        layReal(YearProgressView{c.date, mediumWidget.context()}.body(), mediumWidget);
    const std::string &year = c.year;
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"YEAR PROGRESS", year, c.day, c.left}))
        << c.name;
    std::vector<const LaidOutNode *> bar = tree.root.findAll("Capsule");
    ASSERT_EQ(bar.size(), 2u) << c.name;
    EXPECT_EQ(bar[1]->as<ShapeDraw>()->paint, Paint{ZavelTokens::dataTeal}) << c.name;
    Rect track = bar[0]->frame;
    EXPECT_NEAR(track.size.width, 364 - 2 * (15 + 26) * mediumWidget.u(), 1e-9) << c.name;
    EXPECT_NEAR(bar[1]->frame.size.width,
                std::max(track.size.width * c.fraction, track.size.height), 1e-9)
        << c.name;
    // The year and its caption stand on one baseline; the footer runs from edge to edge.
    EXPECT_NEAR(fitted(textNode(tree, year)).firstBaseline + textNode(tree, year).frame.minY(),
                fitted(textNode(tree, "YEAR PROGRESS")).firstBaseline +
                    textNode(tree, "YEAR PROGRESS").frame.minY(),
                0.01)
        << c.name;
    EXPECT_NEAR(textNode(tree, c.left).frame.maxX(), track.maxX(), 0.01) << c.name;
  }
}

} // namespace
} // namespace zavel
