#include "Shared/Views/RSSViews/RSSDeckView.h"

#include "RSSViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"

#include <optional>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

template <class Content> std::vector<const LaidOutNode *> nodesWith(const LaidOutTree &tree) {
  return tree.root.findAll([](const LaidOutNode &node) { return node.as<Content>() != nullptr; });
}

// The headline that OPEN opens, none when the key is inert; fails when the key is drawn dimmed
// and live, or neither.
std::optional<std::string> openedURL(const LaidOutTree &tree) {
  std::vector<const LaidOutNode *> links = nodesWith<LinkTarget>(tree);
  std::vector<const LaidOutNode *> dimmed = tree.root.findAll([](const LaidOutNode &node) {
    const auto *opacity = node.as<OpacityEffect>();
    return opacity && opacity->opacity == 0.4 && node.findText("OPEN");
  });
  EXPECT_EQ(links.size() + dimmed.size(), 1u);
  if (links.empty())
    return std::nullopt;
  EXPECT_TRUE(links.front()->findText("OPEN"));
  return links.front()->as<LinkTarget>()->url;
}

RSSDeckData deckOf(std::vector<RSSItem> items, int64_t index) { return {std::move(items), index}; }

TEST(RSSDeckView, TheHeadlineAtThePositionHeldToTheListWithItsKeys) {
  std::vector<RSSItem> one = headlines(1);
  RSSItem unlinked = one.front();
  unlinked.link = std::nullopt;
  unlinked.summary = "A summary long enough to fill more than three lines of the deck's screen, "
                     "so that the end of it, wherever that may fall, is cut off with an ellipsis "
                     "and never reaches the foot.";
  RSSItem bare = one.front();
  bare.summary = std::nullopt;
  RSSItem fileLink = one.front();
  fileLink.link = "file:///etc/passwd";
  struct Case {
    std::string name;
    RSSDeckData data;
    std::vector<std::string> texts;
    std::optional<std::string> opens;
    int summaryLines = 1;
    bool summaryCut = false;
  };
  const Case cases[] = {
      {.name = "the third of 24",
       .data = deckOf(headlines(24), 2),
       .texts = {"RSS · 3 OF 24", "FEED 3", "Headline 3", "Summary 3", "4H AGO", "OPEN"},
       .opens = "https://news.example/3"},
      {.name = "a position past the end shows the last",
       .data = deckOf(headlines(24), 40),
       .texts = {"RSS · 24 OF 24", "FEED 24", "Headline 24", "Summary 24", "1D AGO", "OPEN"},
       .opens = "https://news.example/24"},
      {.name = "a negative position shows the first",
       .data = deckOf(headlines(24), -3),
       .texts = {"RSS · 1 OF 24", "FEED 1", "Headline 1", "Summary 1", "2H AGO", "OPEN"},
       .opens = "https://news.example/1"},
      {.name = "no headlines",
       .data = deckOf({}, 0),
       .texts = {"RSS · 0 OF 0", "Add feeds in Zavel", "—", "OPEN"},
       .opens = std::nullopt,
       .summaryLines = 0},
      {.name = "a summary of at most three lines and no link",
       .data = deckOf({unlinked}, 0),
       .texts = {"RSS · 1 OF 1", "FEED 1", "Headline 1", *unlinked.summary, "2H AGO", "OPEN"},
       .opens = std::nullopt,
       .summaryLines = 3,
       .summaryCut = true},
      {.name = "no summary",
       .data = deckOf({bare}, 0),
       .texts = {"RSS · 1 OF 1", "FEED 1", "Headline 1", "2H AGO", "OPEN"},
       .opens = "https://news.example/1",
       .summaryLines = 0},
      {.name = "a link to no web page is never opened",
       .data = deckOf({fileLink}, 0),
       .texts = {"RSS · 1 OF 1", "FEED 1", "Headline 1", "Summary 1", "2H AGO", "OPEN"},
       .opens = std::nullopt},
  };
  for (const Case &c : cases) {
    ZCtx ctx = mediumWidget.context();
    LaidOutTree tree = layReal(RSSDeckView{c.data, ctx}.body(), mediumWidget, kRenderMoment);
    EXPECT_EQ(tree.root.texts(), c.texts) << c.name;
    EXPECT_EQ(openedURL(tree), c.opens) << c.name;
    bool empty = c.data.items.empty();
    const LaidOutNode &title = textNode(tree, c.texts.at(empty ? 1 : 2));
    EXPECT_EQ(run(title).paint, Paint{empty ? ZavelTokens::screenText3 : ZavelTokens::screenText1})
        << c.name;
    if (!empty) {
      EXPECT_EQ(run(textNode(tree, c.texts[1])).paint, Paint{ctx.accent}) << c.name;
      EXPECT_EQ(run(textNode(tree, c.texts[1])).faceWeight, FontWeight::semibold) << c.name;
    }
    if (c.summaryLines > 0) {
      const LaidOutNode &summary = textNode(tree, c.texts[3]);
      EXPECT_EQ(run(summary).paint, Paint{ZavelTokens::noteBody}) << c.name;
      EXPECT_EQ(fitted(summary).lineCount, c.summaryLines) << c.name;
      EXPECT_EQ(fitted(summary).truncated, c.summaryCut) << c.name;
    }
    // Previous above next, stepping back and on, whatever is shown.
    std::vector<const LaidOutNode *> keys = nodesWith<ButtonTarget>(tree);
    ASSERT_EQ(keys.size(), 2u) << c.name;
    EXPECT_LT(keys[0]->frame.maxY(), keys[1]->frame.minY()) << c.name;
    for (auto [key, step] : {std::pair{keys[0], -1}, {keys[1], 1}})
      EXPECT_EQ(key->as<ButtonTarget>()->intent,
                (IntentReference{"RSSCycleIntent", {{"step", step}}}))
          << c.name;
  }
}

} // namespace
} // namespace zavel
