#include "Widgets/ZavelWidgetsBundle.h"
#include "kit/ui/LayoutTesting.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::widgets::WidgetFamily;

TEST(ZavelProductivityBundle, ListsItsWidgetsInOrderWithTheirConfigurationsAndNoLinks) {
  test::TempHome home;
  struct Listed {
    std::string kind;
    WidgetFamily family;
    std::string configuration;
    bool operator==(const Listed &) const = default;
  };
  std::vector<Listed> listed;
  kit::widgets::WidgetBundle group = ZavelProductivityBundle().body();
  for (const kit::widgets::AnyWidget &widget : group.widgets()) {
    const kit::widgets::WidgetInfo &info = widget.info();
    listed.push_back({info.kind, info.family, info.configuration.typeName});
    auto tree = kit::ui::testing::lay(
        widget.placeholder(kit::widgets::TimelineContext::of(info.family)).view(),
        kit::widgets::displaySize(info.family));
    EXPECT_FALSE(tree.widgetURL) << info.kind;
  }
  const std::string casing = "CasingConfigIntent";
  EXPECT_EQ(listed, (std::vector<Listed>{
                        {"zavel.focus.timer", WidgetFamily::systemSmall, casing},
                        {"zavel.stopwatch", WidgetFamily::systemSmall, casing},
                        {"zavel.countdown", WidgetFamily::systemSmall, "CountdownConfigIntent"},
                        {"zavel.year", WidgetFamily::systemMedium, casing},
                        {"zavel.quote", WidgetFamily::systemMedium, casing},
                        {"zavel.inbox", WidgetFamily::systemSmall, casing},
                    }));
}

} // namespace
} // namespace zavel
