#include "Shared/Views/RSSViews/RSSWireView.h"

#include "RSSViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "kit/foundation/TextOperations.h"

#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

// The texts of the first `count` rows made by `headlines`.
std::vector<std::string> rowTexts(int count) {
  std::vector<std::string> texts;
  for (int k = 1; k <= count; ++k) {
    texts.push_back(fmt::format("Headline {}", k));
    texts.push_back(fmt::format("FEED {}", k));
    texts.push_back(fmt::format(" — {}H AGO", k + 1));
  }
  return texts;
}

std::vector<std::string> joined(std::vector<std::string> head, std::vector<std::string> tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

// Each row: the full-width frame around a title and its caption (the feed and the age).
std::vector<const LaidOutNode *> rowsOf(const LaidOutTree &tree) {
  return tree.root.findAll([](const LaidOutNode &node) {
    return node.kind == "Frame" && node.children.size() == 1 && node.children[0].kind == "VStack" &&
           node.texts().size() == 3;
  });
}

TEST(RSSWireView, UpToSevenRowsSharingTheHeightUnderACountOfAll) {
  std::vector<RSSItem> longTitle = headlines(2);
  longTitle[0].title = "Headline 1, with so much more to say that it runs far past the width of "
                       "the screen it is shown on";
  std::vector<RSSItem> longFeed = headlines(1);
  longFeed[0].feedTitle = "The International Herald of Long Feed Titles and Other Matters";
  // The same article from two feeds.
  std::vector<RSSItem> sameId = headlines(2);
  sameId[1].id = sameId[0].id;
  struct Case {
    std::string name;
    std::vector<RSSItem> items;
    std::vector<std::string> texts;
    std::size_t rows = 0;
    bool firstTitleCut = false;
    bool longFeedCut = false;
  };
  const Case cases[] = {
      {.name = "24 headlines",
       .items = headlines(24),
       .texts = joined({"The Wire", "24 HEADLINES"}, rowTexts(7)),
       .rows = 7},
      {.name = "one headline takes the whole height",
       .items = headlines(1),
       .texts = joined({"The Wire", "1 HEADLINES"}, rowTexts(1)),
       .rows = 1},
      {.name = "headlines of one id are told apart by position",
       .items = sameId,
       .texts = joined({"The Wire", "2 HEADLINES"}, rowTexts(2)),
       .rows = 2},
      {.name = "no headlines",
       .items = {},
       .texts = {"The Wire", "0 HEADLINES", "ADD FEEDS IN ZAVEL"},
       .rows = 0},
      {.name = "a long title stays on one line, cut at its end",
       .items = longTitle,
       .texts = joined({"The Wire", "2 HEADLINES", longTitle[0].title, "FEED 1", " — 2H AGO"},
                       {"Headline 2", "FEED 2", " — 3H AGO"}),
       .rows = 2,
       .firstTitleCut = true},
      {.name = "a long feed name is cut before the age",
       .items = longFeed,
       .texts = {"The Wire", "1 HEADLINES", "Headline 1",
                 kit::foundation::uppercased(longFeed[0].feedTitle), " — 2H AGO"},
       .rows = 1,
       .longFeedCut = true},
  };
  for (const Case &c : cases) {
    ZCtx ctx = largeWidget.context();
    double u = ctx.u;
    LaidOutTree tree = layReal(RSSWireView{c.items, ctx}.body(), largeWidget, kRenderMoment);
    EXPECT_EQ(tree.root.texts(), c.texts) << c.name;
    EXPECT_EQ(run(textNode(tree, c.texts[1])).paint, Paint{ZavelTokens::screenText3}) << c.name;
    std::vector<const LaidOutNode *> rows = rowsOf(tree);
    ASSERT_EQ(rows.size(), c.rows) << c.name;
    std::vector<const LaidOutNode *> separators = paintedIn(tree, ZavelTokens::rowSeparator);
    ASSERT_EQ(separators.size(), c.rows > 0 ? c.rows - 1 : 0) << c.name;
    if (c.rows == 0)
      continue;
    // The rows part the space from below the header to the screen's bottom padding equally.
    double top = textNode(tree, "The Wire").frame.maxY() + 10 * u;
    double bottom = largeWidget.points.height - (16 + 30) * u;
    double height = (bottom - top) / double(c.rows);
    double inset = (16 + 32) * u;
    for (std::size_t k = 0; k < rows.size(); ++k) {
      std::string what = c.name + ", row " + std::to_string(k);
      expectRectNear(rows[k]->frame,
                     rect(inset, top + k * height, largeWidget.points.width - 2 * inset, height),
                     what, 1e-6);
      const LaidOutNode &title = *rows[k]->findAll("Text").at(0);
      EXPECT_EQ(run(title).paint, Paint{ZavelTokens::screenText1}) << what;
      EXPECT_EQ(fitted(title).lineCount, 1) << what;
      EXPECT_EQ(fitted(title).truncated, k == 0 && c.firstTitleCut) << what;
      // The feed's name gives way before the age: the age is read whole on the row's line.
      const LaidOutNode &feed = *rows[k]->findAll("Text").at(1),
                        &age = *rows[k]->findAll("Text").at(2);
      EXPECT_EQ(fitted(feed).truncated, k == 0 && c.longFeedCut) << what;
      EXPECT_FALSE(fitted(age).truncated) << what;
      EXPECT_NEAR(age.frame.minX(), feed.frame.maxX(), 1e-6) << what;
      EXPECT_NEAR(age.frame.minY(), feed.frame.minY(), 1e-6) << what;
      EXPECT_LE(age.frame.maxX(), rows[k]->frame.maxX() + 1e-6) << what;
      if (k + 1 < rows.size())
        expectRectNear(
            separators[k]->frame,
            rect(rows[k]->frame.minX(), rows[k]->frame.maxY() - 1, rows[k]->frame.size.width, 1),
            what, 1e-6);
    }
  }
}

} // namespace
} // namespace zavel
