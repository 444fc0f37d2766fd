#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Data/RSSStore/RSSCycleIntent.h"
#include "Shared/Data/WidgetIntents/ActionIntents.h"
#include "Shared/Data/WidgetIntents/AgendaIntents.h"
#include "Shared/Data/WidgetIntents/SourceEntities.h"
#include "Shared/Data/WidgetIntents/WeatherEntities.h"
#include "Shared/Theme/DesignTokens.h"
#include "Widgets/Shell/ShellTesting.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/ui/text/FreshProcess.h"
#include "kit/ui/text/PangoTextEngine.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::widgets::AnyWidget;
using kit::widgets::WidgetBundle;

// What makes a listed widget a framed one of this extension; empty when it is.
std::vector<std::string> defectsOf(const AnyWidget &widget) {
  const kit::widgets::WidgetInfo &info = widget.info();
  std::vector<std::string> defects;
  auto require = [&defects](bool met, const char *what) {
    if (!met)
      defects.push_back(what);
  };
  require(info.kind.starts_with("zavel.") && info.kind.size() > 6, "kind");
  require(!info.displayName.empty() && !info.description.empty(), "gallery texts");
  require(info.contentMarginsDisabled, "content margins");
  const auto &parameters = info.configuration.parameters;
  require(!parameters.empty() && parameters.back().name == "casing", "casing option");
  kit::widgets::AnyEntry entry = widget.placeholder(kit::widgets::TimelineContext::of(info.family));
  kit::ui::LaidOutTree tree =
      kit::ui::testing::lay(entry.view(), kit::widgets::displaySize(info.family));
  require(tree.containerBackground.has_value(), "casing");
  return defects;
}

TEST(ZavelWidgetsBundle, EveryListedWidgetIsAFramedWidgetOfItsOwnKind) {
  zavel::test::TempHome home;
  std::set<std::string> seen;
  WidgetBundle bundle = makeWidgetsBundle();
  for (const AnyWidget &widget : bundle.widgets()) {
    EXPECT_TRUE(seen.insert(widget.kind()).second) << widget.kind() << " listed twice";
    EXPECT_EQ(defectsOf(widget), std::vector<std::string>{}) << widget.kind();
  }
}

TEST(ZavelWidgetsBundle, OffersTheIntentsAndEntitiesOfEveryArea) {
  kit::intents::IntentRegistry areas;
  addActionIntents(areas);
  addAgendaIntents(areas);
  addSourceEntities(areas);
  addWeatherEntities(areas);
  areas.add<RSSCycleIntent>();
  ASSERT_FALSE(areas.intents().empty());
  ASSERT_FALSE(areas.entityTypeNames().empty());

  WidgetBundle bundle = makeWidgetsBundle();
  for (const kit::intents::IntentDescription &intent : areas.intents())
    EXPECT_NE(bundle.intents().intent(intent.typeName), nullptr) << intent.typeName;
  for (const std::string &entity : areas.entityTypeNames())
    EXPECT_NE(bundle.intents().entityQuery(entity), nullptr) << entity;
}

TEST(ZavelWidgetsBundle, CreatingTheBundleRegistersTheShippedFonts) {
  kit::ui::testing::expectInFreshProcess([](kit::ui::testing::ChildChecks &checks) {
    kit::ui::PangoTextEngine engine;
    const kit::ui::Font plexBold = kit::ui::Font::postScript("IBMPlexMono-Bold", 12);
    checks.equal(engine.resolvedFaceName(plexBold) == "IBMPlexMono-Bold", false,
                 "shipped face before the bundle");
    ZavelWidgetsBundle bundle;
    checks.equal(engine.resolvedFaceName(plexBold), std::string("IBMPlexMono-Bold"),
                 "shipped face once the bundle exists");
  });
}

TEST(WeatherWidgets, EachDrawsItsSampleInTheConfiguredCasingInGalleryOrder) {
  // The weather group in gallery order.
  struct Case {
    const char *kind = "";
    bool opensWeather = false;
    const char *sampleText = ""; // a text its sample shows
  };
  const Case weatherGroup[] = {
      Case{.kind = "zavel.weather.current", .opensWeather = true, .sampleText = "H 27° — L 18°"},
      Case{.kind = "zavel.weather.forecast",
           .opensWeather = true,
           .sampleText = "LONDON — NEXT 7 DAYS"},
      Case{
          .kind = "zavel.weather.column", .opensWeather = true, .sampleText = "LONDON — FEELS 25°"},
      Case{.kind = "zavel.weather.rain", .opensWeather = true, .sampleText = "RAIN — NEXT 12H"},
      Case{.kind = "zavel.moon", .opensWeather = false, .sampleText = "WAXING GIBBOUS"},
      Case{.kind = "zavel.daylight", .opensWeather = false, .sampleText = "DAYLIGHT — LONDON"},
      Case{.kind = "zavel.airquality", .opensWeather = false, .sampleText = "AIR QUALITY"},
  };
  zavel::test::TempHome home;
  zavel::test::ScopedLocaleAndZone locale{"en_GB", "Europe/London"};
  kit::widgets::WidgetBundle group = ZavelWeatherBundle{}.body();
  ASSERT_EQ(group.widgets().size(), std::size(weatherGroup));
  for (std::size_t i = 0; i < std::size(weatherGroup); ++i) {
    const Case &c = weatherGroup[i];
    const kit::widgets::AnyWidget &widget = group.widgets()[i];
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(widget.kind(), c.kind);
    // Graphite is not the default casing: a widget that ignores the option shows cream.
    kit::widgets::AnyEntry preview =
        widget.configure(kit::foundation::Json{{"casing", "graphite"}})
            .snapshot(kit::widgets::TimelineContext::of(widget.info().family, true));
    kit::ui::LaidOutTree tree =
        kit::ui::testing::lay(preview.view(), kit::widgets::displaySize(widget.info().family));
    EXPECT_EQ(testing::casingGradientStart(tree), ZavelTokens::graphiteA);
    EXPECT_EQ(tree.widgetURL, c.opensWeather
                                  ? std::optional<std::string>("zavelwidgets://open/weather")
                                  : std::nullopt);
    EXPECT_TRUE(tree.root.findText(c.sampleText));
  }
}

} // namespace
} // namespace zavel
