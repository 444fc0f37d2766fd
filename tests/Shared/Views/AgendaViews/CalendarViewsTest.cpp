#include "AgendaViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/AgendaViews/CalendarAgendaView.h"
#include "Shared/Views/AgendaViews/CalendarBigDateView.h"
#include "Shared/Views/AgendaViews/CalendarDayEventsView.h"
#include "Shared/Views/AgendaViews/CalendarMonthGridView.h"
#include "kit/foundation/Calendar.h"
#include "support/ScopedEnvironment.h"

#include <algorithm>
#include <limits>
#include <set>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Date;
namespace Tokens = ZavelTokens;

const Color accent = Tokens::signal;

// A wall time in Oslo, the zone these tests draw in.
Date oslo(int year, int month, int day, int hour = 12) {
  static const auto calendar =
      kit::foundation::Calendar::gregorian(*kit::foundation::TimeZone::named("Europe/Oslo"));
  return calendar.date(year, month, day, hour);
}

// Tuesday 12 March 2024, at noon.
const Date tuesday = oslo(2024, 3, 12);

// German days and months would show if the faces followed the user's language.
class CalendarViews : public ::testing::Test {
  zavel::test::ScopedLocaleAndZone locale{"de_DE.UTF-8", "Europe/Oslo"};
};

TEST_F(CalendarViews, BigDateShowsTheDayInEnglishInTheDevicesZone) {
  struct Case {
    const char *name;
    Date date;
    std::vector<std::string> texts;
  };
  const double u = smallWidget.u();
  for (const Case &c : {
           Case{.name = "noon", .date = tuesday, .texts = {"TUESDAY", "12", "MARCH 2024"}},
           // Still the old year in UTC, but New Year's Day in Oslo.
           Case{.name = "past midnight here",
           .date = oslo(2025, 1, 1, 0).addingTimeInterval(1800),
           .texts = {"WEDNESDAY", "1", "JANUARY 2025"}},
       }) {
    LaidOutTree tree =
        layReal(CalendarBigDateView{c.date, smallWidget.context()}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(), c.texts) << c.name;
    const LaidOutNode &weekday = textNode(tree, c.texts[0]), &day = textNode(tree, c.texts[1]),
                      &month = textNode(tree, c.texts[2]);
    EXPECT_EQ(paintOf(weekday), Paint{accent}) << c.name;
    EXPECT_EQ(run(weekday).faceWeight, FontWeight::semibold) << c.name;
    EXPECT_EQ(paintOf(day), Paint{Tokens::screenText1}) << c.name;
    EXPECT_EQ(paintOf(month), Paint{Tokens::screenText3}) << c.name;
    // Weekday and numeral at the top-leading corner, the month at the bottom.
    expectPointNear(weekday.frame.origin, {32 * u, 32 * u}, c.name, 0.01);
    EXPECT_NEAR(day.frame.minY() - weekday.frame.maxY(), 6 * u, 0.01) << c.name;
    EXPECT_NEAR(month.frame.maxY(), 170 - 32 * u, 0.01) << c.name;
    expectFit(day, 170 - 64 * u, Fit::asIs);
  }
}

TEST_F(CalendarViews, DayEventsShowsTheNextTwoEventsOrTheLastTwoWhenAllAreOver) {
  const EventItem past1 = event("Standup", "09:30", "09:45", "Done", true),
                  past2 = event("Lunch", "12:00", "13:00", "Done", true),
                  running = event("Review", "13:30", "14:30", "60 min"),
                  next = event("Call", "17:00", "17:30", "30 min", false, true),
                  later = event("Dinner", "19:00", "21:00", "120 min"),
                  open = event("Open end", "20:00", std::nullopt);
  struct Case {
    const char *name;
    std::vector<EventItem> events;
    std::vector<std::string> texts; // after the date
    std::vector<std::string> accented;
  };
  for (const Case &c : {
           Case{.name = "all past",
          .events = {past1, past2, past2},
          .texts = {"12:00 – 13:00", "Lunch", "12:00 – 13:00", "Lunch"},
          .accented = {}},
           Case{.name = "one running",
           .events = {past1, running, next, later},
           .texts = {"13:30 – 14:30", "Review", "17:00 – 17:30", "Call"},
           .accented = {"17:00 – 17:30"}},
           Case{.name = "one upcoming",
           .events = {past1, past2, next},
           .texts = {"17:00 – 17:30", "Call"},
           .accented = {"17:00 – 17:30"}},
           Case{.name = "no end", .events = {open}, .texts = {"20:00", "Open end"}, .accented = {}},
           Case{.name = "none", .events = {}, .texts = {"No more events today"}, .accented = {}},
       }) {
    const double u = mediumWidget.u();
    LaidOutTree tree =
        layReal(CalendarDayEventsView{tuesday, {c.events, 0.5}, mediumWidget.context()}.body(),
                mediumWidget);
    std::vector<std::string> texts{"12", "TUESDAY"};
    texts.insert(texts.end(), c.texts.begin(), c.texts.end());
    EXPECT_EQ(tree.root.texts(), texts) << c.name;
    for (const std::string &text : c.texts) {
      bool isTitle = std::any_of(c.events.begin(), c.events.end(),
                                 [&](const EventItem &e) { return e.title == text; });
      Paint expected = std::count(c.accented.begin(), c.accented.end(), text) ? Paint{accent}
                       : isTitle ? Paint{Tokens::screenText1}
                                 : Paint{Tokens::screenText3};
      EXPECT_EQ(paintOf(textNode(tree, text)), expected) << c.name << ": " << text;
    }
    // The hairline: one point wide at this size, 36 units short of the screen at both ends.
    const LaidOutNode *divider =
        tree.root
            .findAll([](const LaidOutNode &node) {
              return node.kind == "Rectangle" && paintOf(node) == Paint{Tokens::hairlineRow};
            })
            .at(0);
    EXPECT_NEAR(divider->frame.size.width, 1, 1e-9) << c.name;
    EXPECT_NEAR(divider->frame.minX(), 15 * u + 200 * u, 0.01) << c.name;
    EXPECT_NEAR(divider->frame.minY(), (15 + 36) * u, 0.01) << c.name;
    EXPECT_NEAR(textNode(tree, c.texts[0]).frame.minX(), divider->frame.maxX() + 30 * u, 0.01)
        << c.name;
  }
}

TEST_F(CalendarViews, MonthGridLaysTheMonthInWeeksFromMonday) {
  struct Case {
    const char *name;
    Date date;
    int blanks;
    int days;
    std::string footer;
  };
  const double u = smallWidget.u();
  for (const Case &c : {
           Case{.name = "from a Monday",
          .date = oslo(2024, 4, 10),
          .blanks = 0,
          .days = 30,
          .footer = "20 DAYS LEFT"},
           Case{.name = "31 days from a Sunday",
           .date = oslo(2024, 12, 1),
           .blanks = 6,
           .days = 31,
           .footer = "30 DAYS LEFT"},
           Case{.name = "leap February's last day",
           .date = oslo(2024, 2, 29),
           .blanks = 3,
           .days = 29,
           .footer = "0 DAYS LEFT"},
           Case{.name = "plain February",
           .date = oslo(2023, 2, 14),
           .blanks = 2,
           .days = 28,
           .footer = "14 DAYS LEFT"},
       }) {
    LaidOutTree tree =
        layReal(CalendarMonthGridView{c.date, smallWidget.context()}.body(), smallWidget);
    std::vector<std::string> texts = tree.root.texts();
    ASSERT_EQ(texts.size(), 3u) << c.name;
    EXPECT_EQ(texts[2], c.footer) << c.name;
    EXPECT_EQ(paintOf(textNode(tree, texts[1])), Paint{accent}) << c.name;
    int today = std::stoi(texts[1]);
    std::vector<const LaidOutNode *> cells = tree.root.findAll("Circle");
    ASSERT_EQ(cells.size(), static_cast<size_t>(c.blanks + c.days)) << c.name;
    std::set<double> rows;
    for (size_t i = 0; i < cells.size(); ++i) {
      int day = static_cast<int>(i) - c.blanks + 1;
      Color expected = day == today ? accent : day < today ? Tokens::dotFilled : Tokens::trackFine;
      EXPECT_EQ(paintOf(*cells[i]), Paint{expected}) << c.name << " cell " << i;
      EXPECT_NEAR(cells[i]->frame.size.width, 6 * u, 1e-9) << c.name;
      rows.insert(std::round(cells[i]->frame.minY() * 100) / 100);
      // Cells sit in their weekday's column.
      EXPECT_NEAR(cells[i]->frame.midX(), cells[i % 7]->frame.midX(), 1e-9) << c.name;
    }
    EXPECT_EQ(rows.size(), static_cast<size_t>((cells.size() + 6) / 7)) << c.name;
    // Blank cells are there but invisible.
    std::vector<const LaidOutNode *> hidden = tree.root.findAll([](const LaidOutNode &node) {
      const OpacityEffect *effect = node.as<OpacityEffect>();
      return effect && effect->opacity == 0;
    });
    EXPECT_EQ(hidden.size(), static_cast<size_t>(c.blanks)) << c.name;
  }
}

TEST_F(CalendarViews, AgendaListsThreeEventsAndHowMuchOfTheDayHasRun) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const EventItem done = event("Standup", "09:30", "09:45", "Done", true),
                  review = event("Review", "14:00", "14:45", "Studio B · 45 min"),
                  call = event("Call", "17:00", "17:30", "FaceTime · Ines · 30 min", false, true),
                  dinner = event("Dinner", "19:00", "21:00", "120 min");
  struct Case {
    const char *name;
    std::vector<EventItem> events;
    double progress;
    std::vector<std::string> texts; // between the header and the footer
    std::string percent;
    double fraction; // of the bar
  };
  for (const Case &c : {
           Case{.name = "six events",
          .events = {done, review, call, dinner, dinner, dinner},
          .progress = 0.685,
          .texts = {"6 EVENTS", "09:30", "Standup", "14:00", "Review", "STUDIO B — 45 MIN", "17:00",
                    "Call", "FACETIME — INES — 30 MIN"},
          .percent = "69%",
          .fraction = 0.685},
           Case{.name = "beyond the day",
           .events = {review},
           .progress = 1.7,
           .texts = {"1 EVENTS", "14:00", "Review", "STUDIO B — 45 MIN"},
           .percent = "100%",
           .fraction = 1},
           Case{.name = "before the day",
           .events = {done},
           .progress = -0.2,
           .texts = {"1 EVENTS", "09:30", "Standup"},
           .percent = "0%",
           .fraction = 0},
           Case{.name = "not a number",
           .events = {},
           .progress = nan,
           .texts = {"0 EVENTS", "Nothing scheduled"},
           .percent = "0%",
           .fraction = 0},
       }) {
    LaidOutTree tree =
        layReal(CalendarAgendaView{tuesday, {c.events, c.progress}, largeWidget.context()}.body(),
                largeWidget);
    std::vector<std::string> texts{"March 12"};
    texts.insert(texts.end(), c.texts.begin(), c.texts.end());
    texts.insert(texts.end(), {"DAY ELAPSED", c.percent});
    EXPECT_EQ(tree.root.texts(), texts) << c.name;
    // The bar and the percentage tell the same share.
    std::vector<const LaidOutNode *> bar = tree.root.findAll("Capsule");
    ASSERT_EQ(bar.size(), 2u) << c.name;
    double track = bar[0]->frame.size.width, height = bar[0]->frame.size.height;
    EXPECT_NEAR(bar[1]->frame.size.width, std::max(track * c.fraction, height), 1e-9) << c.name;
    EXPECT_EQ(paintOf(*bar[1]), Paint{Tokens::dataTeal}) << c.name;
  }
}

TEST_F(CalendarViews, AgendaRowsMuteAndStrikePastEventsAndAccentTheNextOne) {
  struct Case {
    const char *name;
    EventItem event;
    Color time, title;
    FontWeight timeWeight = FontWeight::regular;
  };
  for (const Case &c : {
           Case{.name = "past",
          .event = event("Standup", "09:30", "09:45", "Done", true),
          .time = Tokens::muted,
          .title = Tokens::muted},
           Case{.name = "next",
           .event = event("Call", "17:00", "17:30", "30 min", false, true),
           .time = accent,
           .title = Tokens::screenText1,
           .timeWeight = FontWeight::semibold},
           Case{.name = "later",
           .event = event("Dinner", "19:00", "21:00", "120 min"),
           .time = Tokens::screenText1,
           .title = Tokens::screenText1},
       }) {
    const double u = largeWidget.u();
    LaidOutTree tree = layReal(
        CalendarAgendaView{tuesday, {{c.event}, 0.5}, largeWidget.context()}.body(), largeWidget);
    const LaidOutNode &time = textNode(tree, c.event.start), &title = textNode(tree, c.event.id);
    EXPECT_EQ(paintOf(time), Paint{c.time}) << c.name;
    EXPECT_EQ(run(time).faceWeight, c.timeWeight) << c.name;
    EXPECT_EQ(paintOf(title), Paint{c.title}) << c.name;
    EXPECT_EQ(run(title).style.strikethrough, c.event.isPast) << c.name;
    // The title after the 46-unit time column and the 18-unit gap.
    EXPECT_NEAR(title.frame.minX() - time.frame.minX(), 64 * u, 0.01) << c.name;
  }
}

} // namespace
} // namespace zavel
