#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Theme/DesignTokens.h"
#include "kit/ui/LayoutTesting.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Json;
using kit::ui::LaidOutTree;
using kit::widgets::AnyWidget;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetFamily;

// One widget of the weather group as the gallery lists it, and what its sample shows.
struct Listing {
  std::string typeName;
  std::string kind;
  std::string displayName;
  std::string description;
  WidgetFamily family;
  std::string configuration;
  std::optional<std::string> link;
  std::vector<std::string> sampleTexts;
};

const std::optional<std::string> kWeatherLink = "zavelwidgets://open/weather";

const std::vector<Listing> &weatherGroup() {
  static const std::vector<Listing> listings{
      {"WeatherConditionsWidget",
       "zavel.weather.current",
       "Conditions",
       "Now, with highs and lows.",
       WidgetFamily::systemSmall,
       "WeatherConfigIntent",
       kWeatherLink,
       {"LONDON", "23°", "PARTLY CLOUDY", "H 27° — L 18°"}},
      {"WeatherForecastWidget",
       "zavel.weather.forecast",
       "Forecast",
       "The next seven days across the screen.",
       WidgetFamily::systemMedium,
       "WeatherConfigIntent",
       kWeatherLink,
       {"LONDON — NEXT 7 DAYS", "H 31° · L 15°", "SA", "31°"}},
      {"WeatherSunColumnWidget",
       "zavel.weather.column",
       "Sun Column",
       "The full portrait: temperature, sky and sunset.",
       WidgetFamily::systemLarge,
       "WeatherConfigIntent",
       kWeatherLink,
       {"23°", "Partly Cloudy", "LONDON — FEELS 25°", "SUNSET"}},
      {"WeatherRainWidget",
       "zavel.weather.rain",
       "Rain Radar",
       "Rain chance over the next 12 hours.",
       WidgetFamily::systemMedium,
       "WeatherConfigIntent",
       kWeatherLink,
       {"RAIN — NEXT 12H", "40%", "17", "05"}},
      {"MoonWidget",
       "zavel.moon",
       "Moon",
       "Tonight's phase.",
       WidgetFamily::systemSmall,
       "CasingConfigIntent",
       std::nullopt,
       {"WAXING GIBBOUS", "FULL IN 6 DAYS"}},
      {"DaylightWidget",
       "zavel.daylight",
       "Daylight",
       "Sunrise to sunset, with the sun on its arc.",
       WidgetFamily::systemMedium,
       "WeatherConfigIntent",
       std::nullopt,
       // The sample day's times depend on the zone it was first built in.
       {"DAYLIGHT — LONDON", "15h 40m"}},
      {"AirQualityWidget",
       "zavel.airquality",
       "Air Quality",
       "US AQI where you are.",
       WidgetFamily::systemSmall,
       "WeatherConfigIntent",
       std::nullopt,
       {"AIR QUALITY", "42", "GOOD"}},
  };
  return listings;
}

// The first colour of the casing behind the widget.
std::optional<kit::ui::Color> casingColor(const LaidOutTree &tree) {
  if (!tree.containerBackground)
    return std::nullopt;
  for (const kit::ui::LaidOutNode *node : tree.containerBackground->findAll("LinearGradient"))
    if (const auto *draw = node->as<kit::ui::ShapeDraw>())
      if (const auto *gradient = std::get_if<kit::ui::LinearGradient>(&draw->paint))
        return gradient->gradient.stops.front().color;
  return std::nullopt;
}

bool shows(const LaidOutTree &tree, const std::string &text) {
  std::vector<std::string> texts = tree.root.texts();
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class WeatherWidgets : public testing::Test {
protected:
  test::TempHome home;
  test::ScopedLocaleAndZone locale{"en_GB", "Europe/London"};
};

TEST_F(WeatherWidgets, TheWeatherGroupListsItsWidgetsInGalleryOrder) {
  kit::widgets::WidgetBundle group = ZavelWeatherBundle{}.body();
  std::vector<std::string> listed;
  for (const AnyWidget &widget : group.widgets())
    listed.push_back(widget.info().typeName);
  std::vector<std::string> expected;
  for (const Listing &listing : weatherGroup())
    expected.push_back(listing.typeName);
  EXPECT_EQ(listed, expected);

  for (const Listing &listing : weatherGroup()) {
    const AnyWidget *widget = group.widget(listing.kind);
    ASSERT_NE(widget, nullptr) << listing.kind;
    const kit::widgets::WidgetInfo &info = widget->info();
    EXPECT_EQ(info.typeName, listing.typeName);
    EXPECT_EQ(info.displayName, listing.displayName) << listing.kind;
    EXPECT_EQ(info.description, listing.description) << listing.kind;
    EXPECT_EQ(info.family, listing.family) << listing.kind;
    EXPECT_TRUE(info.contentMarginsDisabled) << listing.kind;
    EXPECT_EQ(info.configuration.typeName, listing.configuration) << listing.kind;
  }
}

TEST_F(WeatherWidgets, EachDrawsItsFaceInsideTheRootInTheConfiguredCasing) {
  kit::widgets::WidgetBundle group = ZavelWeatherBundle{}.body();
  for (const Listing &listing : weatherGroup()) {
    SCOPED_TRACE(listing.kind);
    const AnyWidget *widget = group.widget(listing.kind);
    ASSERT_NE(widget, nullptr);
    kit::ui::Size size = kit::widgets::displaySize(listing.family);
    for (auto [casing, color] :
         {std::pair{"cream", ZavelTokens::creamA}, std::pair{"graphite", ZavelTokens::graphiteA}}) {
      kit::widgets::AnyEntry preview = widget->configure(Json{{"casing", casing}})
                                           .snapshot(TimelineContext::of(listing.family, true));
      EXPECT_EQ(preview.json()["casing"], casing);
      LaidOutTree tree = kit::ui::testing::lay(preview.view(), size);
      EXPECT_EQ(tree.size, size);
      EXPECT_EQ(casingColor(tree), color) << casing;
      EXPECT_EQ(tree.widgetURL, listing.link);
      for (const std::string &text : listing.sampleTexts)
        EXPECT_TRUE(shows(tree, text)) << "no \"" << text << "\" in " << casing;
    }
  }
}

} // namespace
} // namespace zavel
