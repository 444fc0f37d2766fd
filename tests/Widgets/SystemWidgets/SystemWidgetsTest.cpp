#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Theme/DesignTokens.h"
#include "Widgets/Shell/ShellTesting.h"
#include "kit/ui/LayoutTesting.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::widgets::WidgetFamily;

TEST(SystemWidgets, EachShowsItsSampleInTheConfiguredCasingInGalleryOrderWithoutALink) {
  struct Case {
    const char *kind = "";
    WidgetFamily family = WidgetFamily::systemSmall;
    const char *configuration = "CasingConfigIntent";
    const char *sampleText = ""; // a text its sample shows
  };
  const Case systemGroup[] = {
      Case{.kind = "zavel.battery.devices",
           .family = WidgetFamily::systemMedium,
           .sampleText = "KEYBOARD"},
      Case{.kind = "zavel.battery.minimal", .sampleText = "2H 40M REMAINING"},
      Case{.kind = "zavel.system", .family = WidgetFamily::systemMedium, .sampleText = "88"},
      Case{.kind = "zavel.network", .sampleText = "36.0"},
      Case{.kind = "zavel.storage", .sampleText = "OF 1 TB USED"},
      Case{.kind = "zavel.stock.ticker",
           .family = WidgetFamily::systemMedium,
           .configuration = "StockConfigIntent",
           .sampleText = "243.18"},
      Case{.kind = "zavel.stock.watchlist",
           .family = WidgetFamily::systemMedium,
           .configuration = "WatchlistConfigIntent",
           .sampleText = "KDRX"},
      Case{.kind = "zavel.battery.pill", .family = WidgetFamily::systemMedium, .sampleText = "68%"},
  };
  test::TempHome home;
  kit::widgets::WidgetBundle group = ZavelSystemBundle{}.body();
  ASSERT_EQ(group.widgets().size(), std::size(systemGroup));
  for (std::size_t i = 0; i < std::size(systemGroup); ++i) {
    const Case &c = systemGroup[i];
    const kit::widgets::AnyWidget &widget = group.widgets()[i];
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(widget.kind(), c.kind);
    EXPECT_EQ(widget.info().family, c.family);
    EXPECT_EQ(widget.info().configuration.typeName, c.configuration);
    // Graphite is not the default casing: a widget that ignores the option shows cream.
    kit::widgets::AnyEntry preview =
        widget.configure(kit::foundation::Json{{"casing", "graphite"}})
            .snapshot(kit::widgets::TimelineContext::of(c.family, true));
    kit::ui::LaidOutTree tree =
        kit::ui::testing::lay(preview.view(), kit::widgets::displaySize(c.family));
    EXPECT_EQ(testing::casingGradientStart(tree), ZavelTokens::graphiteA);
    EXPECT_EQ(tree.widgetURL, std::nullopt);
    EXPECT_TRUE(tree.root.findText(c.sampleText));
  }
}

} // namespace
} // namespace zavel
