#include "Shared/Views/ProductivityViews/QuoteView.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ViewTesting.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

TEST(QuoteView, QuotationUnderTheMarkCutAtThreeLinesTheAuthorAtTheFoot) {
  ZCtx ctx = mediumWidget.context();
  ctx.accent = ZavelTokens::gold;
  const double u = mediumWidget.u();
  // The column's edges: the screen's inset (15) and the padding (26 and 30).
  const double top = (15 + 26) * u, bottom = 170 - (15 + 26) * u, leading = (15 + 30) * u;
  struct Case {
    const char *name;
    QuoteItem quote;
    std::string author;
    int lines = 1;
    bool cut = false;
  };
  for (const Case &c : {
           Case{.name = "one line",
          .quote = {"Simplicity is the ultimate sophistication.", "Leonardo da Vinci"},
          .author = "— LEONARDO DA VINCI",
          .lines = 1},
           Case{.name = "too long for three lines",
           .quote = {std::string(40, 'a') + " " + std::string(40, 'b') + " " +
                         std::string(40, 'c') + " " + std::string(40, 'd'),
                     "Anon"},
           .author = "— ANON",
           .lines = 3,
           .cut = true},
           Case{.name = "no author", .quote = {"Less.", ""}, .author = "— ", .lines = 1},
       }) {
    LaidOutTree tree = layReal(QuoteView{c.quote, ctx}.body(), mediumWidget);
    const LaidOutNode &mark = textNode(tree, "“"), &text = textNode(tree, c.quote.text),
                      &author = textNode(tree, c.author);
    EXPECT_EQ(run(mark).paint, Paint{ZavelTokens::gold}) << c.name;
    expectRectNear({{leading, top}, {mark.frame.size.width, 34 * u}},
                   {mark.frame.origin, {mark.frame.size.width, 34 * u}}, c.name);
    EXPECT_NEAR(text.frame.minY(), top + 40 * u, 0.01) << c.name;
    EXPECT_LE(text.frame.size.width, 440 * u + 0.01) << c.name;
    EXPECT_EQ(fitted(text).lineCount, c.lines) << c.name;
    EXPECT_EQ(fitted(text).truncated, c.cut) << c.name;
    EXPECT_EQ(run(author).paint, Paint{ZavelTokens::screenText3}) << c.name;
    EXPECT_NEAR(author.frame.maxY(), bottom, 0.01) << c.name;
    EXPECT_NEAR(author.frame.minX(), leading, 0.01) << c.name;
  }
}

} // namespace
} // namespace zavel
