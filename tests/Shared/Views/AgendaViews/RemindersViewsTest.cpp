#include "AgendaViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/AgendaViews/RemindersListView.h"
#include "Shared/Views/AgendaViews/RemindersNextUpView.h"
#include "Shared/Views/AgendaViews/RemindersSingleView.h"
#include "Shared/Views/AgendaViews/RemindersStackView.h"

#include <numbers>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
namespace Tokens = ZavelTokens;

const RemindersSnapshot sample{
    .items = ReminderItem::samples(), .nextUp = ReminderItem::samples()[2], .minutesToNext = 28};

RemindersSnapshot snapshot(std::vector<ReminderItem> items,
                           std::optional<ReminderItem> nextUp = std::nullopt,
                           std::optional<int64_t> minutes = std::nullopt) {
  return {.items = std::move(items), .nextUp = std::move(nextUp), .minutesToNext = minutes};
}

std::string reminderID(const LaidOutNode &button) {
  const IntentReference &intent = button.as<ButtonTarget>()->intent;
  EXPECT_EQ(intent.type, "ToggleReminderIntent");
  return intent.parameters.value("reminderID", "");
}

TEST(RemindersListView, RowsAreKeysLookingDoneOpenOrUrgentUnderTheCountOfAllOpenReminders) {
  const Color accent = Tokens::signal, clear = Color::clear;
  // How one row looks: its title, its time (none: no time shown) and its check circle's fill.
  struct Row {
    std::string id;
    Color title;
    std::optional<Color> time;
    Color check;
  };
  struct Case {
    const char *name;
    RemindersSnapshot data;
    std::vector<std::string> texts;
    std::vector<Row> rows;
  };
  const double u = mediumWidget.u();
  for (const Case &c : {
           Case{.name = "sample",
          .data = sample,
          .texts = {"REMINDERS", "3", "Ship widget beta build", "Call Ines about the press kit",
                    "17:00", "Water the monstera", "18:30"},
          .rows = {{"2", Tokens::muted, std::nullopt, Tokens::dataTeal},
                   {"3", Tokens::screenText1, Tokens::screenText3, clear},
                   {"4", Tokens::screenText1, accent, clear}}},
           Case{.name = "empty", .data = {}, .texts = {"REMINDERS", "0"}, .rows = {}},
           Case{.name = "done, and urgent without a time",
           .data = snapshot({doneReminder("D1"), reminder("U", std::nullopt, false, true)}),
           .texts = {"REMINDERS", "1", "D1", "07:00", "U"},
           .rows = {{"D1", Tokens::muted, Tokens::muted, Tokens::dataTeal},
                    {"U", Tokens::screenText1, std::nullopt, clear}}},
           Case{.name = "four open",
           .data = snapshot({reminder("O1"), reminder("O2"), reminder("O3"), reminder("O4")}),
           .texts = {"REMINDERS", "4", "O1", "O2", "O3"},
           .rows = {{"O1", Tokens::screenText1, std::nullopt, clear},
                    {"O2", Tokens::screenText1, std::nullopt, clear},
                    {"O3", Tokens::screenText1, std::nullopt, clear}}},
           Case{.name = "a three-digit count",
           .data = snapshot(std::vector(120, reminder("O"))),
           .texts = {"REMINDERS", "120", "O", "O", "O"},
           .rows = {{"O", Tokens::screenText1, std::nullopt, clear},
                    {"O", Tokens::screenText1, std::nullopt, clear},
                    {"O", Tokens::screenText1, std::nullopt, clear}}},
       }) {
    LaidOutTree tree =
        layReal(RemindersListView{c.data, mediumWidget.context()}.body(), mediumWidget);
    EXPECT_EQ(tree.root.texts(), c.texts) << c.name;
    // The badge: white on an accent capsule, 18 high.
    const LaidOutNode &count = textNode(tree, c.texts[1]);
    EXPECT_EQ(paintOf(count), Paint{Color::white}) << c.name;
    const LaidOutNode *badge = tree.root.findAll("Capsule").at(0);
    EXPECT_EQ(paintOf(*badge), Paint{accent}) << c.name;
    EXPECT_NEAR(badge->frame.size.height, 18 * u, 1e-9) << c.name;
    EXPECT_NEAR(badge->frame.midY(), count.frame.midY(), 0.5) << c.name;
    // The digits (0.72 of the font's size high) lie where the capsule is taller than they are,
    // clear of its rounded ends (a radius of 9 units).
    const double radius = 9 * u, halfDigits = 0.36 * run(count).style.font.size;
    for (double inset :
         {count.frame.minX() - badge->frame.minX(), badge->frame.maxX() - count.frame.maxX()}) {
      ASSERT_LT(inset, radius) << c.name;
      EXPECT_GE(std::sqrt(radius * radius - (radius - inset) * (radius - inset)), halfDigits)
          << c.name;
    }

    std::vector<const LaidOutNode *> buttons = tree.root.findAll("Button");
    ASSERT_EQ(buttons.size(), c.rows.size()) << c.name;
    for (size_t i = 0; i < buttons.size(); ++i) {
      const LaidOutNode &key = *buttons[i];
      const Row &row = c.rows[i];
      std::string what = std::string(c.name) + " row " + row.id;
      EXPECT_EQ(reminderID(key), row.id) << what;
      // The padded row is the key, six units below the one before.
      const ContentShape *shape = key.findAll("ContentShape").at(0)->as<ContentShape>();
      expectRectNear(shape->path.boundingRect(), key.frame, what, 1e-6);
      if (i > 0) {
        EXPECT_NEAR(key.frame.minY() - buttons[i - 1]->frame.maxY(), 6 * u, 1e-9) << what;
      }
      std::vector<const LaidOutNode *> texts = key.findAll("Text"), circles = key.findAll("Circle");
      ASSERT_EQ(texts.size(), row.time ? 2u : 1u) << what;
      EXPECT_EQ(paintOf(*texts[0]), Paint{row.title}) << what;
      EXPECT_EQ(run(*texts[0]).style.strikethrough, row.title == Tokens::muted) << what;
      EXPECT_NEAR(key.frame.size.height - texts[0]->frame.size.height, 18 * u, 0.5) << what;
      if (row.time) {
        EXPECT_EQ(paintOf(*texts[1]), Paint{*row.time}) << what;
      }
      ASSERT_EQ(circles.size(), 2u) << what;
      EXPECT_EQ(paintOf(*circles[0]), Paint{row.check}) << what;
      EXPECT_EQ(paintOf(*circles[1]), Paint{row.check == clear ? Tokens::muted : Tokens::dataTeal})
          << what;
      EXPECT_NEAR(circles[1]->frame.size.width, 14 * u, 1e-9) << what;
    }
  }
}

TEST(RemindersNextUpView, RingNumeralAndSubtitleFollowTheMinutesAndTheTitle) {
  struct Case {
    const char *name;
    std::optional<int64_t> minutes;
    std::optional<std::string> title; // of the next reminder; none: nothing next
    std::string numeral;
    std::string subtitle;
    double progress;
  };
  const double u = smallWidget.u();
  for (const Case &c : {
           Case{.name = "one minute",
          .minutes = 1,
          .title = "Pick up Groceries",
          .numeral = "1",
          .subtitle = "MIN — GROCERIE",
          .progress = 0.04},
           Case{.name = "28 minutes",
           .minutes = 28,
           .title = "call home",
           .numeral = "28",
           .subtitle = "MIN — CALL",
           .progress = 28.0 / 60},
           Case{.name = "a thousand minutes",
           .minutes = 1000,
           .title = "Call Ines about the press kit",
           .numeral = "999",
           .subtitle = "MIN — INES",
           .progress = 1},
           Case{.name = "no minutes",
           .minutes = std::nullopt,
           .title = "Water the monstera",
           .numeral = "—",
           .subtitle = "MIN — WATER",
           .progress = 0.62},
           Case{.name = "minutes but nothing next",
           .minutes = 45,
           .title = std::nullopt,
           .numeral = "45",
           .subtitle = "ALL CLEAR",
           .progress = 0.75},
           Case{.name = "a title of spaces",
           .minutes = 5,
           .title = "   ",
           .numeral = "5",
           .subtitle = "MIN — ",
           .progress = 5.0 / 60},
           Case{.name = "empty",
           .minutes = std::nullopt,
           .title = std::nullopt,
           .numeral = "—",
           .subtitle = "ALL CLEAR",
           .progress = 0.62},
           // Eight characters as wide as two: past 0.7 of its size the subtitle is cut.
           Case{.name = "a word of wide characters",
           .minutes = 9,
           .title = "call ＷＷＷＷＷＷＷＷ",
           .numeral = "9",
           .subtitle = "MIN — ＷＷＷＷＷＷＷＷ",
           .progress = 9.0 / 60},
       }) {
    std::optional<ReminderItem> next;
    if (c.title)
      next = ReminderItem{
          .id = "n", .title = *c.title, .time = "17:00", .done = false, .isUrgent = false};
    LaidOutTree tree =
        layReal(RemindersNextUpView{snapshot({}, next, c.minutes), smallWidget.context()}.body(),
                smallWidget);
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"NEXT UP", c.numeral, c.subtitle}))
        << c.name;
    expectFit(textNode(tree, c.numeral), 148 * u, Fit::asIs);
    // The track, then the arc over the share of the turn.
    std::vector<const LaidOutNode *> circles = tree.root.findAll("Circle");
    ASSERT_EQ(circles.size(), 2u) << c.name;
    EXPECT_NEAR(circles[0]->frame.size.width, 148 * u, 1e-9) << c.name;
    EXPECT_NEAR(circles[0]->frame.midX(), 85, 1e-9) << c.name;
    double turn = std::numbers::pi * 148 * u;
    EXPECT_NEAR(circles[1]->as<ShapeDraw>()->path.length() / turn, c.progress, 1e-3) << c.name;

    // The subtitle's letters (0.72 of its drawn size high, about its line's middle) stay inside
    // the ring's inner edge, 70 units from the centre: it shrinks to fit, down to 0.7, then is cut.
    const LaidOutNode &subtitle = textNode(tree, c.subtitle);
    TextMetrics drawn = fitted(subtitle);
    double half = 0.36 * run(subtitle).style.font.size * drawn.scale;
    double dx = std::max(85 - subtitle.frame.minX(), subtitle.frame.maxX() - 85);
    double dy = std::max(std::abs(subtitle.frame.midY() - half - 85),
                         std::abs(subtitle.frame.midY() + half - 85));
    EXPECT_LE(std::hypot(dx, dy), 70 * u) << c.name;
    EXPECT_EQ(drawn.lineCount, 1) << c.name;
    EXPECT_GE(drawn.scale, 0.7 - 1e-9) << c.name;
    EXPECT_EQ(drawn.truncated, c.name == std::string("a word of wide characters")) << c.name;
    if (c.subtitle == "MIN — GROCERIE") {
      EXPECT_LT(drawn.scale, 1) << c.name;
    }
  }
}

TEST(RemindersStackView, PillsOfTheDisplayRowsOrOneAllClearPillCentredAndNotKeys) {
  struct Case {
    const char *name;
    RemindersSnapshot data;
    std::vector<std::string> texts;
  };
  for (const Case &c : {
           Case{.name = "sample",
          .data = sample,
          .texts = {"Ship widget beta build", "Call Ines about the press kit", "17:00",
                    "Water the monstera", "18:30"}},
           Case{.name = "five open",
           .data = snapshot(
               {reminder("O1"), reminder("O2"), reminder("O3"), reminder("O4"), reminder("O5")}),
           .texts = {"O1", "O2", "O3"}},
           Case{.name = "empty", .data = {}, .texts = {"All clear"}},
       }) {
    LaidOutTree tree =
        layReal(RemindersStackView{c.data, mediumWidget.context()}.body(), mediumWidget);
    EXPECT_EQ(tree.root.texts(), c.texts) << c.name;
    EXPECT_TRUE(tree.root.findAll("Button").empty()) << c.name;
    std::vector<const LaidOutNode *> chips = tree.root.findAll([](const LaidOutNode &node) {
      return node.kind == "RoundedRectangle" && paintOf(node) == Paint{Tokens::screenChip};
    });
    ASSERT_FALSE(chips.empty()) << c.name;
    EXPECT_NEAR((chips.front()->frame.minY() + chips.back()->frame.maxY()) / 2, 85, 0.01) << c.name;
    EXPECT_NEAR(chips.front()->frame.midX(), 182, 0.01) << c.name;
  }
}

TEST(RemindersSingleView, TheNextOrFirstOpenReminderWithItsKeyAndWhenItIsDue) {
  const ReminderItem call = ReminderItem::samples()[2];
  const ReminderItem untimed = reminder("Buy stamps");
  struct Case {
    const char *name;
    RemindersSnapshot data;
    std::vector<std::string> texts;
    std::optional<std::string> key; // the id the round key completes; none: the teal dot
    Color footer = Tokens::signal;
  };
  const std::string title = call.title;
  for (const Case &c : {
           Case{.name = "59 minutes",
          .data = snapshot({call}, call, 59),
          .texts = {"TODAY", title, "17:00 — IN 59M"},
          .key = "3"},
           Case{.name = "60 minutes",
           .data = snapshot({call}, call, 60),
           .texts = {"TODAY", title, "17:00 — IN 1H 0M"},
           .key = "3"},
           Case{.name = "119 minutes",
           .data = snapshot({call}, call, 119),
           .texts = {"TODAY", title, "17:00 — IN 1H 59M"},
           .key = "3"},
           Case{.name = "120 minutes",
           .data = snapshot({call}, call, 120),
           .texts = {"TODAY", title, "17:00 — IN 2H"},
           .key = "3"},
           Case{.name = "no minutes",
           .data = snapshot({call}, call),
           .texts = {"TODAY", title, "17:00"},
           .key = "3"},
           Case{.name = "no time",
           .data = snapshot({untimed}, untimed, 30),
           .texts = {"TODAY", "Buy stamps", "NO TIME SET"},
           .key = "Buy stamps",
           .footer = Tokens::screenText3},
           Case{.name = "first open one when nothing is next",
           .data = snapshot({doneReminder("D1"), reminder("O1", "09:00"), call}),
           .texts = {"TODAY", "O1", "09:00"},
           .key = "O1"},
           Case{.name = "all clear",
           .data = snapshot({doneReminder("D1")}),
           .texts = {"TODAY", "All clear"},
           .key = std::nullopt},
       }) {
    const double u = smallWidget.u();
    LaidOutTree tree =
        layReal(RemindersSingleView{c.data, smallWidget.context()}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(), c.texts) << c.name;
    std::vector<const LaidOutNode *> buttons = tree.root.findAll("Button");
    ASSERT_EQ(buttons.size(), c.key ? 1u : 0u) << c.name;
    std::vector<const LaidOutNode *> circles = tree.root.findAll("Circle");
    const LaidOutNode &dot = *circles.back();
    EXPECT_NEAR(dot.frame.size.width, 17 * u, 1e-9) << c.name;
    if (!c.key) {
      EXPECT_EQ(paintOf(dot), Paint{Tokens::dataTeal}) << c.name;
      EXPECT_FALSE(dot.as<ShapeDraw>()->stroke) << c.name;
      continue;
    }
    EXPECT_EQ(reminderID(*buttons[0]), *c.key) << c.name;
    EXPECT_EQ(paintOf(dot), Paint{Tokens::muted}) << c.name;
    EXPECT_TRUE(dot.as<ShapeDraw>()->stroke) << c.name;
    const LaidOutNode &footer = textNode(tree, c.texts.back());
    EXPECT_EQ(paintOf(footer), Paint{c.footer}) << c.name;
    // The footer sits at the bottom of the padded screen.
    EXPECT_NEAR(footer.frame.maxY(), 170 - (14 + 18) * u, 0.5) << c.name;
    EXPECT_EQ(run(textNode(tree, c.texts[1])).style.lineLimit, 3) << c.name;
  }
}

} // namespace
} // namespace zavel
