#include "Shared/Views/TimerScreen.h"
#include "Shared/Theme/DesignTokens.h"
#include "ViewTesting.h"

#include <optional>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(TimerScreen, EveryTimersHintReadsWholeOnOneLineAndTheTimeAndResetNeverMove) {
  // The screen's content spans 170 − 2 × (14 + 18) × u on a small widget.
  const double contentWidth = 170 - 64 * smallWidget.u();
  struct Case {
    const char *name;
    std::string hint;
  };
  std::optional<Rect> timeAt, resetAt;
  for (const Case &c : {
           Case{.name = "focus running", .hint = "RUNNING"},
           Case{.name = "stopped, the longest", .hint = "TAP TIME TO START"},
           Case{.name = "stopwatch running", .hint = "TAP TIME FOR LAP"},
           Case{.name = "focus done", .hint = "DONE — TAKE 5"},
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
    EXPECT_EQ(fitted(hint).lineCount, 1) << c.name;
    EXPECT_EQ(run(hint).style.lineLimit, 1) << c.name;
    // The same place whatever the hint: a tap on the time lands where it did.
    EXPECT_EQ(time.frame, timeAt.value_or(time.frame)) << c.name;
    EXPECT_EQ(reset.frame, resetAt.value_or(reset.frame)) << c.name;
    timeAt = time.frame;
    resetAt = reset.frame;
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
