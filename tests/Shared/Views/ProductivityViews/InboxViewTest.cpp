#include "Shared/Views/ProductivityViews/InboxView.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewTesting.h"

#include <optional>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

const std::string hint = "Turn on Mail in Zavel's settings";

InboxSnapshot inbox(int64_t unread, std::optional<std::string> preview, bool connected) {
  return {unread, std::move(preview), std::nullopt, connected, {}};
}

TEST(InboxView, CountOrDashWithTheSenderLinesAtTheFoot) {
  struct Case {
    const char *name;
    InboxSnapshot data;
    std::string count;
    std::vector<std::string> lines;
  };
  for (const Case &c : {
           Case{.name = "not connected",
          .data = inbox(0, std::nullopt, false),
          .count = "—",
          .lines = {hint}},
           Case{.name = "not connected, with a preview and a count",
           .data = inbox(4, "Ada — Hello", false),
           .count = "—",
           .lines = {hint}},
           Case{.name = "nothing unread",
           .data = inbox(0, std::nullopt, true),
           .count = "0",
           .lines = {"All caught up"}},
           Case{.name = "empty lines dropped",
           .data = inbox(2, "a\n\nb", true),
           .count = "2",
           .lines = {"a", "b"}},
           Case{.name = "the first two of five",
           .data = inbox(5, "1\n2\n3\n4\n5", true),
           .count = "5",
           .lines = {"1", "2"}},
           Case{.name = "only line feeds",
           .data = inbox(1, "\n\n\n", true),
           .count = "1",
           .lines = {"All caught up"}},
       }) {
    InboxView view{c.data, smallWidget.context()};
    EXPECT_EQ(view.senderLines(), c.lines) << c.name;
    LaidOutTree tree = layReal(view.body(), smallWidget);
    std::vector<std::string> texts{"INBOX", c.count, "UNREAD"};
    texts.insert(texts.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(tree.root.texts(), texts) << c.name;
    const LaidOutNode &last = textNode(tree, c.lines.back());
    EXPECT_EQ(run(last).paint, Paint{ZavelTokens::screenText2}) << c.name;
    EXPECT_NEAR(last.frame.maxY(), 170 - 32 * smallWidget.u(), 0.01) << c.name;
    EXPECT_EQ(fitted(last).lineCount, 1) << c.name;
  }
}

TEST(InboxView, ALongCountShrinksOnOneLine) {
  const double width = 170 - 64 * smallWidget.u();
  LaidOutTree tree = layReal(
      InboxView{inbox(123456, std::nullopt, true), smallWidget.context()}.body(), smallWidget);
  expectFit(textNode(tree, "123456"), width, Fit::shrunk);
  // The hint is longer than the screen is wide: it shrinks to be read whole, in either casing
  // (the screen is the same on both).
  for (bool cream : {false, true}) {
    LaidOutTree off = layReal(
        InboxView{inbox(0, std::nullopt, false), smallWidget.context(cream)}.body(), smallWidget);
    TextMetrics drawn = fitted(textNode(off, hint));
    EXPECT_FALSE(drawn.truncated) << cream;
    EXPECT_EQ(drawn.lineCount, 1) << cream;
    EXPECT_LT(drawn.scale, 1) << cream;
    EXPECT_GE(drawn.scale, 0.85) << cream;
    EXPECT_LE(textNode(off, hint).frame.maxX(), 170 - 32 * smallWidget.u() + 0.01) << cream;
  }
  // A mail's line is not shrunk: it is cut at its end.
  std::string longLine(80, 'x');
  LaidOutTree on =
      layReal(InboxView{inbox(1, longLine, true), smallWidget.context()}.body(), smallWidget);
  EXPECT_TRUE(fitted(textNode(on, longLine)).truncated);
  EXPECT_EQ(fitted(textNode(on, longLine)).scale, 1);
}

} // namespace
} // namespace zavel
