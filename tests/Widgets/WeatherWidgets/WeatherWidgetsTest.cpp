#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Theme/DesignTokens.h"
#include "Widgets/Shell/ShellTesting.h"
#include "kit/ui/LayoutTesting.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace zavel {
namespace {

using kit::widgets::WidgetFamily;

// One widget of the weather group, in gallery order, and a text its sample shows.
struct Listing {
  std::string kind;
  WidgetFamily family;
  std::string configuration;
  bool opensWeather;
  std::string sampleText;
};

constexpr auto small = WidgetFamily::systemSmall, medium = WidgetFamily::systemMedium;
const char *const weatherIntent = "WeatherConfigIntent";

const Listing weatherGroup[] = {
    {"zavel.weather.current", small, weatherIntent, true, "H 27° — L 18°"},
    {"zavel.weather.forecast", medium, weatherIntent, true, "LONDON — NEXT 7 DAYS"},
    {"zavel.weather.column", WidgetFamily::systemLarge, weatherIntent, true, "LONDON — FEELS 25°"},
    {"zavel.weather.rain", medium, weatherIntent, true, "RAIN — NEXT 12H"},
    {"zavel.moon", small, "CasingConfigIntent", false, "WAXING GIBBOUS"},
    {"zavel.daylight", medium, weatherIntent, false, "DAYLIGHT — LONDON"},
    {"zavel.airquality", small, weatherIntent, false, "AIR QUALITY"},
};

TEST(WeatherWidgets, EachDrawsItsSampleInTheConfiguredCasingInGalleryOrder) {
  test::TempHome home;
  test::ScopedLocaleAndZone locale{"en_GB", "Europe/London"};
  kit::widgets::WidgetBundle group = ZavelWeatherBundle{}.body();
  ASSERT_EQ(group.widgets().size(), std::size(weatherGroup));
  for (std::size_t i = 0; i < std::size(weatherGroup); ++i) {
    const Listing &listing = weatherGroup[i];
    const kit::widgets::AnyWidget &widget = group.widgets()[i];
    SCOPED_TRACE(listing.kind);
    EXPECT_EQ(widget.kind(), listing.kind);
    EXPECT_EQ(widget.info().family, listing.family);
    EXPECT_EQ(widget.info().configuration.typeName, listing.configuration);
    for (auto [casing, color] :
         {std::pair{"cream", ZavelTokens::creamA}, std::pair{"graphite", ZavelTokens::graphiteA}}) {
      kit::widgets::AnyEntry preview =
          widget.configure(kit::foundation::Json{{"casing", casing}})
              .snapshot(kit::widgets::TimelineContext::of(listing.family, true));
      kit::ui::LaidOutTree tree =
          kit::ui::testing::lay(preview.view(), kit::widgets::displaySize(listing.family));
      EXPECT_EQ(testing::casingGradientStart(tree), color) << casing;
      EXPECT_EQ(tree.widgetURL, listing.opensWeather
                                    ? std::optional<std::string>("zavelwidgets://open/weather")
                                    : std::nullopt);
      std::vector<std::string> texts = tree.root.texts();
      EXPECT_NE(std::find(texts.begin(), texts.end(), listing.sampleText), texts.end()) << casing;
    }
  }
}

} // namespace
} // namespace zavel
