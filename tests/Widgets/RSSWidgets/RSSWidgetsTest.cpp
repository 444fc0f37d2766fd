#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Theme/DesignTokens.h"
#include "Widgets/Shell/ShellTesting.h"
#include "kit/ui/LayoutTesting.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

TEST(ZavelRSSBundle, LatestDeckAndWireOnTheCasingOptionWithoutAWidgetLink) {
  struct Case {
    std::string kind;
    std::string name;
    kit::widgets::WidgetFamily family;
    std::string sampleText;
  };
  const Case feedsGroup[] = {
      {.kind = "zavel.rss.latest",
       .name = "Feed",
       .family = kit::widgets::WidgetFamily::systemSmall,
       .sampleText = "THE TERMINAL WIRE"},
      {.kind = "zavel.rss.deck",
       .name = "RSS Deck",
       .family = kit::widgets::WidgetFamily::systemMedium,
       .sampleText = "RSS · 1 OF 9"},
      {.kind = "zavel.rss.wire",
       .name = "Wire",
       .family = kit::widgets::WidgetFamily::systemLarge,
       .sampleText = "9 HEADLINES"},
  };
  zavel::test::TempHome home;
  kit::widgets::WidgetBundle group = ZavelRSSBundle{}.body();
  ASSERT_EQ(group.widgets().size(), std::size(feedsGroup));
  for (std::size_t i = 0; i < std::size(feedsGroup); ++i) {
    const Case &c = feedsGroup[i];
    const kit::widgets::AnyWidget &widget = group.widgets()[i];
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(widget.kind(), c.kind);
    EXPECT_EQ(widget.info().displayName, c.name);
    EXPECT_EQ(widget.info().family, c.family);
    EXPECT_EQ(widget.info().configuration.typeName, "CasingConfigIntent");
    kit::widgets::AnyEntry preview =
        widget.configure(kit::foundation::Json{{"casing", "graphite"}})
            .snapshot(kit::widgets::TimelineContext::of(c.family, true));
    kit::ui::LaidOutTree tree =
        kit::ui::testing::lay(preview.view(), kit::widgets::displaySize(c.family));
    EXPECT_EQ(testing::casingGradientStart(tree), ZavelTokens::graphiteA);
    EXPECT_EQ(tree.widgetURL, std::nullopt);
    EXPECT_TRUE(tree.root.findText(c.sampleText));
  }
  EXPECT_NE(group.intents().intent("RSSCycleIntent"), nullptr);
}

} // namespace
} // namespace zavel
