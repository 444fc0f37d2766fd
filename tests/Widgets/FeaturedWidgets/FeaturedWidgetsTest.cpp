#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Theme/DesignTokens.h"
#include "Widgets/Shell/ShellTesting.h"
#include "kit/ui/LayoutTesting.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

TEST(FeaturedWidgets, EachDrawsItsSampleInTheConfiguredCasingInGalleryOrderWithoutALink) {
  struct Case {
    const char *kind = "";
    kit::widgets::WidgetFamily family = kit::widgets::WidgetFamily::systemSmall;
    const char *configuration = "";
    const char *sampleText = ""; // a text its sample shows
  };
  using kit::widgets::WidgetFamily;
  const Case featuredGroup[] = {
      Case{.kind = "zavel.weather.deck",
           .family = WidgetFamily::systemLarge,
           .configuration = "WeatherDeckConfigIntent",
           .sampleText = "21:04"},
      Case{.kind = "zavel.nowplaying",
           .family = WidgetFamily::systemMedium,
           .configuration = "CasingConfigIntent",
           .sampleText = "NOW PLAYING"},
      Case{.kind = "zavel.remote",
           .family = WidgetFamily::systemSmall,
           .configuration = "CasingConfigIntent",
           .sampleText = "REMOTE"},
      Case{.kind = "zavel.notes.deck",
           .family = WidgetFamily::systemMedium,
           .configuration = "CasingConfigIntent",
           .sampleText = "NOTES · 1 OF 3"},
  };
  test::TempHome home;
  test::ScopedLocaleAndZone locale{"en_GB", "Europe/Oslo"};
  kit::widgets::WidgetBundle group = ZavelFeaturedBundle{}.body();
  ASSERT_EQ(group.widgets().size(), std::size(featuredGroup));
  for (std::size_t i = 0; i < std::size(featuredGroup); ++i) {
    const Case &c = featuredGroup[i];
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
