#include "Shared/Views/FeaturedViews/NotesDeckView.h"
#include "FeaturedViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using Texts = std::vector<std::string>;

NoteItem note(std::string text, bool pinned = false) {
  return {kit::foundation::UUID::random(), std::move(text), {}, pinned};
}

const std::vector<NoteItem> three{note("First\nOne"), note("Second\nTwo", true),
                                  note("Third\nThree")};

TEST(NotesDeckView, HeaderTitleAndBodyOfTheNoteAtTheBroughtInPosition) {
  const struct {
    const char *name;
    NotesDeckData data;
    Texts texts; // the screen's texts, the PIN key's label left out
  } cases[] = {
      {.name = "in range, pinned",
       .data = {three, 1},
       .texts = {"NOTES · 2 OF 3", "PINNED", "Second", "Two"}},
      {.name = "past the end", .data = {three, 7}, .texts = {"NOTES · 3 OF 3", "Third", "Three"}},
      {.name = "below the start", .data = {three, -4}, .texts = {"NOTES · 1 OF 3", "First", "One"}},
      {.name = "empty lines dropped from the body",
       .data = {{note("Title\n\nLine A\n\nLine B")}, 0},
       .texts = {"NOTES · 1 OF 1", "Title", "Line A", "Line B"}},
      {.name = "a line of blanks kept",
       .data = {{note("Title\n  \nLine")}, 0},
       .texts = {"NOTES · 1 OF 1", "Title", "  ", "Line"}},
      {.name = "leading line feed",
       .data = {{note("\nLine A\nLine B")}, 0},
       .texts = {"NOTES · 1 OF 1", "", "Line A", "Line B"}},
      {.name = "four body lines at most",
       .data = {{note("T\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10")}, 0},
       .texts = {"NOTES · 1 OF 1", "T", "1", "2", "3", "4"}},
      {.name = "carriage return and line feed",
       .data = {{note("Title\r\nLine")}, 0},
       .texts = {"NOTES · 1 OF 1", "Title\r\nLine"}},
      {.name = "empty text", .data = {{note("")}, 0}, .texts = {"NOTES · 1 OF 1", ""}},
      {.name = "no notes", .data = {{}, 3}, .texts = {"NOTES · 0 OF 0", "No notes yet"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    ZCtx ctx = mediumWidget.context();
    LaidOutTree tree = layReal(NotesDeckView{c.data, ctx}.body(), mediumWidget);
    Texts expected = c.texts;
    expected.push_back("PIN");
    EXPECT_EQ(tree.root.texts(), expected);
    if (const LaidOutNode *pinned = tree.root.findText("PINNED")) {
      EXPECT_EQ(run(*pinned).paint, Paint{ctx.accent});
      // At the trailing end of the header, where the screen's padding begins.
      const Rect &screen = tree.root.findAll("EllipticalGradient").front()->frame;
      EXPECT_NEAR(pinned->frame.maxX(), screen.maxX() - 22 * ctx.u, 1e-9);
    }
  }
}

TEST(NotesDeckView, ChevronsStepBackAndOnAndTheAccentKeyPins) {
  ZCtx ctx = mediumWidget.context();
  LaidOutTree tree = layReal(NotesDeckView{{three, 0}, ctx}.body(), mediumWidget);
  auto keys = buttons(tree);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(intentOf(*keys[0]), (IntentReference{"NoteDeckCycleIntent", {{"step", -1}}}));
  EXPECT_EQ(intentOf(*keys[1]), (IntentReference{"NoteDeckCycleIntent", {{"step", 1}}}));
  EXPECT_EQ(intentOf(*keys[2]).type, "NoteDeckPinIntent");
  // The up key's chevron has its tip above its ends, the down key's below; both in the keys' ink.
  for (int key : {0, 1}) {
    const ShapeDraw &chevron = drawingIn(*keys[key]).operations.at(0);
    const auto &points = chevron.path.elements();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].points[0].y < points[0].points[0].y, key == 0) << key;
    EXPECT_EQ(chevron.paint, Paint{ZavelTokens::keyInk});
  }
  EXPECT_TRUE(keys[2]->findText("PIN"));
}

} // namespace
} // namespace zavel
