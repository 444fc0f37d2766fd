#include "Shared/Views/TimerScreen.h"
#include "Shared/Theme/DesignTokens.h"
#include "ViewTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(TimerScreen, HintReadsWholeBesideAWholeResetKeyTheTimeBetweenHeaderAndFooter) {
  // The screen's content spans 170 − 2 × (14 + 18) × u on a small widget.
  const double contentWidth = 170 - 64 * smallWidget.u();
  struct Case {
    const char *name;
    std::string hint;
    int lines = 1;
  };
  for (const Case &c : {
           Case{.name = "short", .hint = "RUNNING", .lines = 1},
           Case{.name = "just fits", .hint = "TAP TIME TO START", .lines = 1},
           Case{.name = "too long for one line", .hint = "RUNNING — TAP TIME FOR LAP", .lines = 2},
       }) {
    LaidOutTree tree = layReal(TimerScreen({.caption = "LAPS",
                                            .lit = true,
                                            .lamp = ZavelTokens::gold,
                                            .time = Text("12:34"),
                                            .timeKey = {"StartIntent"},
                                            .hint = c.hint,
                                            .resetKey = {"ResetIntent"}},
                                           smallWidget.context()),
                               smallWidget);
    const LaidOutNode &caption = textNode(tree, "LAPS"), &time = textNode(tree, "12:34"),
                      &hint = textNode(tree, c.hint), &reset = textNode(tree, "RESET");
    EXPECT_EQ(fitted(hint).lineCount, c.lines) << c.name;
    EXPECT_FALSE(fitted(hint).truncated) << c.name;
    EXPECT_FALSE(fitted(reset).truncated) << c.name;
    EXPECT_NEAR(reset.frame.maxX() - hint.frame.minX(), contentWidth, 0.01) << c.name;
    // The footer's first lines share a baseline.
    EXPECT_NEAR(reset.frame.minY(), hint.frame.minY(), 0.01) << c.name;
    EXPECT_LT(caption.frame.maxY(), time.frame.minY()) << c.name;
    EXPECT_LT(time.frame.maxY(), hint.frame.minY()) << c.name;

    std::vector<const LaidOutNode *> keys = tree.root.findAll("Button");
    ASSERT_EQ(keys.size(), 2u) << c.name;
    EXPECT_EQ(keys[0]->as<ButtonTarget>()->intent.type, "StartIntent");
    EXPECT_EQ(keys[0]->frame, time.frame) << c.name;
    EXPECT_EQ(keys[1]->as<ButtonTarget>()->intent.type, "ResetIntent");
    EXPECT_EQ(tree.root.findAll("Circle").back()->as<ShapeDraw>()->paint, Paint{ZavelTokens::gold});
  }
}

} // namespace
} // namespace zavel
