#include "NotesViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/NotesViews/NoteInk.h"
#include "Shared/Views/NotesViews/NotesListView.h"
#include "Shared/Views/NotesViews/PinnedNotesView.h"
#include "Shared/Views/NotesViews/QuickNoteView.h"
#include "Shared/Views/NotesViews/SingleNoteView.h"

#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using Notes = std::vector<NoteItem>;
using Texts = std::vector<std::string>;

const char *const sixLines = "one\ntwo\nthree\nfour\nfive\nsix";
const char *const longLine = "a single line of note text long enough to wrap on every screen";
const std::string longerLine = std::string(longLine) + ", and longer still than four lines are";
const char *const today = "2025-03-05T14:20:00Z";
const char *const yesterday = "2025-03-04T09:05:00Z";

// The screen's rectangle in a widget: inset 14 units on a small one, 15 on a medium one.
Rect screenOf(const WidgetFrame &widget) {
  double inset = (widget.size == ZavelSize::s ? 14 : 15) * widget.u();
  return {{inset, inset}, {widget.points.width - 2 * inset, widget.points.height - 2 * inset}};
}

// How a note's body text is drawn: its text, colour, lines and whether an ellipsis ends it.
struct BodyText {
  std::string text;
  Color color;
  int lines = 1;
  bool cut = false;
};

void expectBody(const LaidOutTree &tree, const BodyText &body, const std::string &what) {
  const LaidOutNode &node = textNode(tree, body.text);
  EXPECT_EQ(run(node).paint, Paint{body.color}) << what;
  EXPECT_EQ(fitted(node).lineCount, body.lines) << what;
  EXPECT_EQ(fitted(node).truncated, body.cut) << what;
}

// A face of the newest note: the notes, its body and its footer.
struct NoteFaceCase {
  const char *name = "";
  Notes notes = {};
  BodyText body = {};
  const char *footer = "";
};

using QuickNote = NotesViewTest;

TEST_F(QuickNote, NewestNoteCutAtThreeLinesOverTheTimeOfItsEdit) {
  const double u = mediumWidget.u();
  const NoteFaceCase cases[] = {
      {.name = "empty",
       .body = {"Tap to jot something down.", ZavelTokens::screenText3},
       .footer = "EMPTY"},
      {.name = "the newest, pinned or not, with the time of day alone",
       .notes = {note("Buy film", yesterday), note("Older, pinned", "2025-03-01T08:00:00Z", true)},
       .body = {"Buy film", noteInk},
       .footer = "EDITED 09:05"},
      {.name = "six lines",
       .notes = {note(sixLines, today)},
       .body = {sixLines, noteInk, 3, true},
       .footer = "EDITED 14:20"},
      {.name = "a long line wraps",
       .notes = {note(longLine, today)},
       .body = {longLine, noteInk, 2},
       .footer = "EDITED 14:20"},
  };
  for (const NoteFaceCase &c : cases) {
    LaidOutTree tree = layReal(QuickNoteView{c.notes, mediumWidget.context()}.body(), mediumWidget);
    EXPECT_EQ(tree.root.texts(), (Texts{"QUICK NOTE", "+", c.body.text, c.footer})) << c.name;
    expectBody(tree, c.body, c.name);
    // The body under the header, at most 480 units wide; the footer on the bottom padding.
    Rect screen = screenOf(mediumWidget), header = textNode(tree, "QUICK NOTE").frame,
         body = textNode(tree, c.body.text).frame;
    EXPECT_NEAR(header.minX(), screen.minX() + 26 * u, 1e-9) << c.name;
    EXPECT_NEAR(body.minX(), header.minX(), 1e-9) << c.name;
    EXPECT_LE(body.size.width, 480 * u + 1e-9) << c.name;
    EXPECT_NEAR(textNode(tree, c.footer).frame.maxY(), screen.maxY() - 22 * u, 1e-9) << c.name;
  }
}

using SingleNote = NotesViewTest;

TEST_F(SingleNote, NewestNoteCutAtFourLinesOverTheDayOfItsEdit) {
  const double u = smallWidget.u();
  const NoteFaceCase cases[] = {
      {.name = "empty", .body = {"Nothing here yet.", ZavelTokens::screenText3}, .footer = "—"},
      {.name = "today, newest first whatever the pins",
       .notes = {note("Buy film", today), note("pinned", yesterday, true)},
       .body = {"Buy film", ZavelTokens::screenText1},
       .footer = "TODAY 14:20"},
      {.name = "six lines",
       .notes = {note(sixLines, yesterday)},
       .body = {sixLines, ZavelTokens::screenText1, 4, true},
       .footer = "YESTERDAY"},
      {.name = "a long line wraps and is cut",
       .notes = {note(longerLine, "2025-02-28T10:00:00Z")},
       .body = {longerLine, ZavelTokens::screenText1, 4, true},
       .footer = "FEB 28"},
  };
  for (const NoteFaceCase &c : cases) {
    LaidOutTree tree =
        layReal(SingleNoteView{c.notes, smallWidget.context()}.body(), smallWidget, now);
    EXPECT_EQ(tree.root.texts(), (Texts{"NOTE", c.body.text, c.footer})) << c.name;
    expectBody(tree, c.body, c.name);
    Rect screen = screenOf(smallWidget), label = textNode(tree, "NOTE").frame;
    EXPECT_NEAR(textNode(tree, c.body.text).frame.minY(), label.maxY() + 16 * u, 1e-9) << c.name;
    EXPECT_NEAR(textNode(tree, c.footer).frame.maxY(), screen.maxY() - 18 * u, 1e-9) << c.name;
  }
}

using NotesList = NotesViewTest;

TEST_F(NotesList, TitlesOfTheFirstThreeNotesOnOneLineEachAndTheWholeCount) {
  const double u = smallWidget.u();
  Notes seven;
  for (int i = 1; i <= 7; ++i)
    seven.push_back(note("Note " + std::to_string(i) + "\nmore", today));
  struct Case {
    const char *name = "";
    Notes notes = {};
    Texts texts = {};
    bool cut = false; // the first row
  };
  const Case cases[] = {
      {.name = "empty", .texts = {"NOTES", "0", "ALL NOTES +"}},
      {.name = "seven",
       .notes = seven,
       .texts = {"NOTES", "7", "— Note 1", "— Note 2", "— Note 3", "ALL NOTES +"}},
      {.name = "a leading line feed leaves the dash alone",
       .notes = {note("\nbody", today)},
       .texts = {"NOTES", "1", "— ", "ALL NOTES +"}},
      {.name = "a long title",
       .notes = {note(longLine, today)},
       .texts = {"NOTES", "1", std::string("— ") + longLine, "ALL NOTES +"},
       .cut = true},
  };
  for (const Case &c : cases) {
    LaidOutTree tree = layReal(NotesListView{c.notes, smallWidget.context()}.body(), smallWidget);
    EXPECT_EQ(tree.root.texts(), c.texts) << c.name;
    EXPECT_EQ(run(textNode(tree, c.texts[1])).paint, Paint{ZavelTokens::dataTeal}) << c.name;
    std::vector<const LaidOutNode *> texts = tree.root.findAll("Text");
    for (size_t row = 2; row + 1 < texts.size(); ++row) {
      EXPECT_EQ(run(*texts[row]).paint, Paint{noteInk}) << c.name;
      EXPECT_EQ(fitted(*texts[row]).lineCount, 1) << c.name;
      double above = texts[row - 1]->frame.maxY() + (row == 2 ? 16 : 11) * u;
      EXPECT_NEAR(texts[row]->frame.minY(), above, 1e-9) << c.name << " row " << row;
    }
    EXPECT_EQ(fitted(*texts[2]).truncated, c.cut) << c.name;
  }
}

using Pinned = NotesViewTest;

// The chip cards of a laid-out Pinned view, left to right.
std::vector<Rect> cardsOf(const LaidOutTree &tree) {
  std::vector<Rect> cards;
  for (const LaidOutNode *node : tree.root.findAll("RoundedRectangle"))
    if (node->as<ShapeDraw>()->paint == Paint{ZavelTokens::screenChip})
      cards.push_back(node->frame);
  return cards;
}

TEST_F(Pinned, TwoPinnedNotesOrTheFirstTwoOnCardsSharingTheWidth) {
  const double u = mediumWidget.u();
  const Rect screen = screenOf(mediumWidget);
  const double row = screen.size.width - 44 * u;
  const NoteItem a = note("A\nsecond line", today), b = note("B", today, true),
                 c = note("C\n   ", yesterday, true), d = note("D\nmore", yesterday, true);
  struct Case {
    const char *name = "";
    Notes notes = {};
    Texts texts = {};
    size_t cards = 0;
  };
  const Case cases[] = {
      {.name = "empty: the label alone", .texts = {"PINNED"}},
      {.name = "none pinned: the first two",
       .notes = {note("A\nsecond line", today), note("E", today), note("F", today)},
       .texts = {"PINNED", "A", "second line", "TODAY 14:20", "E", "TODAY 14:20"},
       .cards = 2},
      {.name = "one pinned: alone across the width",
       .notes = {a, b},
       .texts = {"PINNED", "B", "TODAY 14:20"},
       .cards = 1},
      {.name = "three pinned: the first two; blank previews leave no line",
       .notes = {a, c, b, d},
       .texts = {"PINNED", "C", "YESTERDAY", "B", "TODAY 14:20"},
       .cards = 2},
  };
  for (const Case &k : cases) {
    LaidOutTree tree =
        layReal(PinnedNotesView{k.notes, mediumWidget.context()}.body(), mediumWidget, now);
    EXPECT_EQ(tree.root.texts(), k.texts) << k.name;
    std::vector<Rect> cards = cardsOf(tree);
    ASSERT_EQ(cards.size(), k.cards) << k.name;
    double width = k.cards ? (row - 12 * u * double(k.cards - 1)) / double(k.cards) : 0;
    for (const Rect &card : cards) {
      EXPECT_NEAR(card.size.width, width, 1e-6) << k.name;
      EXPECT_NEAR(card.maxY(), screen.maxY() - 20 * u, 1e-9) << k.name;
      EXPECT_NEAR(card.minY(), textNode(tree, "PINNED").frame.maxY() + 14 * u, 1e-9) << k.name;
    }
    // Each card's edit label sits on its bottom padding, in the muted colour.
    for (const LaidOutNode *label : tree.root.findAll([](const LaidOutNode &node) {
           const TextRun *text = node.as<TextRun>();
           return text && text->paint == Paint{ZavelTokens::muted};
         }))
      EXPECT_NEAR(label->frame.maxY(), cards.front().maxY() - 14 * u, 1e-9) << k.name;
  }
  const LaidOutTree sample =
      layReal(PinnedNotesView{{a}, mediumWidget.context()}.body(), mediumWidget, now);
  EXPECT_EQ(run(textNode(sample, "A")).paint, Paint{ZavelTokens::screenText1});
  EXPECT_EQ(run(textNode(sample, "second line")).paint, Paint{ZavelTokens::screenText2});
}

} // namespace
} // namespace zavel
