#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Theme/DesignTokens.h"
#include "Widgets/Shell/ShellTesting.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace zavel {
namespace {

// One widget of the weather group, in gallery order, and a text its sample shows.
struct Listing {
  std::string kind;
  bool opensWeather;
  std::string sampleText;
};

const Listing weatherGroup[] = {
    {"zavel.weather.current", true, "H 27° — L 18°"},
    {"zavel.weather.forecast", true, "LONDON — NEXT 7 DAYS"},
    {"zavel.weather.column", true, "LONDON — FEELS 25°"},
    {"zavel.weather.rain", true, "RAIN — NEXT 12H"},
    {"zavel.moon", false, "WAXING GIBBOUS"},
    {"zavel.daylight", false, "DAYLIGHT — LONDON"},
    {"zavel.airquality", false, "AIR QUALITY"},
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
    // Graphite is not the default casing: a widget that ignores the option shows cream.
    kit::widgets::AnyEntry preview =
        widget.configure(kit::foundation::Json{{"casing", "graphite"}})
            .snapshot(kit::widgets::TimelineContext::of(widget.info().family, true));
    kit::ui::LaidOutTree tree =
        kit::ui::testing::lay(preview.view(), kit::widgets::displaySize(widget.info().family));
    EXPECT_EQ(testing::casingGradientStart(tree), ZavelTokens::graphiteA);
    EXPECT_EQ(tree.widgetURL, listing.opensWeather
                                  ? std::optional<std::string>("zavelwidgets://open/weather")
                                  : std::nullopt);
    std::vector<std::string> texts = tree.root.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), listing.sampleText), texts.end());
  }
}

} // namespace
} // namespace zavel
