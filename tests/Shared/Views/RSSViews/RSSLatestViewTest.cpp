#include "Shared/Views/RSSViews/RSSLatestView.h"

#include "RSSViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

struct Shown {
  std::string text;
  Color color;
};

TEST(RSSLatestView, TheFirstHeadlineOrTheInvitationToAddFeeds) {
  RSSItem longTitle = headlines(1).front();
  longTitle.title = "A headline long enough to need far more than four lines on so small a "
                    "screen, so that its end is cut off with an ellipsis";
  RSSItem undated = headlines(1).front();
  undated.published = std::nullopt;
  struct Case {
    std::string name;
    std::vector<RSSItem> items;
    std::vector<Shown> shown;
    int titleLines = 0;
    bool titleCut = false;
  };
  const Case cases[] = {
      {.name = "no headlines",
       .items = {},
       .shown = {{"RSS", ZavelTokens::screenText2},
                 {"ADD FEEDS IN ZAVEL", ZavelTokens::screenText3},
                 {"—", ZavelTokens::screenText3}}},
      {.name = "only the first of several",
       .items = headlines(3),
       .shown = {{"FEED 1", ZavelTokens::screenText2},
                 {"Headline 1", ZavelTokens::screenText1},
                 {"2H AGO", ZavelTokens::screenText3}},
       .titleLines = 1},
      {.name = "a long title on four lines, cut at its end",
       .items = {longTitle},
       .shown = {{"FEED 1", ZavelTokens::screenText2},
                 {longTitle.title, ZavelTokens::screenText1},
                 {"2H AGO", ZavelTokens::screenText3}},
       .titleLines = 4,
       .titleCut = true},
      {.name = "a headline without a date",
       .items = {undated},
       .shown = {{"FEED 1", ZavelTokens::screenText2},
                 {"Headline 1", ZavelTokens::screenText1},
                 {"—", ZavelTokens::screenText3}},
       .titleLines = 1},
  };
  for (const Case &c : cases) {
    ZCtx ctx = smallWidget.context();
    LaidOutTree tree = layReal(RSSLatestView{c.items, ctx}.body(), smallWidget, kRenderMoment);
    std::vector<std::string> texts;
    for (const Shown &shown : c.shown) {
      texts.push_back(shown.text);
      EXPECT_EQ(run(textNode(tree, shown.text)).paint, Paint{shown.color}) << c.name;
    }
    EXPECT_EQ(tree.root.texts(), texts) << c.name;
    // The accent dot leads the header.
    EXPECT_EQ(paintedIn(tree, ctx.accent).size(), 1u) << c.name;
    if (c.titleLines == 0)
      continue;
    const LaidOutNode &title = textNode(tree, c.shown[1].text);
    EXPECT_EQ(fitted(title).lineCount, c.titleLines) << c.name;
    EXPECT_EQ(fitted(title).truncated, c.titleCut) << c.name;
    // Beneath the header, with the age at the screen's foot below it.
    EXPECT_LT(textNode(tree, c.shown[0].text).frame.maxY(), title.frame.minY()) << c.name;
    EXPECT_LT(title.frame.maxY(), textNode(tree, c.shown[2].text).frame.minY()) << c.name;
  }
}

} // namespace
} // namespace zavel
