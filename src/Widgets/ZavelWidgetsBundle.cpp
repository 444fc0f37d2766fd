#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Data/RSSStore/RSSCycleIntent.h"
#include "Shared/Theme/ZavelFonts.h"
#include "Widgets/WeatherWidgets/WeatherWidgets.h"

namespace zavel {

using kit::widgets::WidgetBundle;

// Each group lists its widgets in gallery order, one line apiece before `return group;`:
//   group.add<WeatherConditionsWidget>();
// and registers the button intents that live with it.

WidgetBundle ZavelFeaturedBundle::body() const {
  WidgetBundle group;
  return group;
}

WidgetBundle ZavelClocksBundle::body() const {
  WidgetBundle group;
  return group;
}

WidgetBundle ZavelAgendaBundle::body() const {
  WidgetBundle group;
  return group;
}

WidgetBundle ZavelWeatherBundle::body() const {
  WidgetBundle group;
  group.add<WeatherConditionsWidget>();
  group.add<WeatherForecastWidget>();
  group.add<WeatherRainWidget>();
  group.add<MoonWidget>();
  group.add<DaylightWidget>();
  group.add<AirQualityWidget>();
  return group;
}

WidgetBundle ZavelHealthBundle::body() const {
  WidgetBundle group;
  return group;
}

WidgetBundle ZavelProductivityBundle::body() const {
  WidgetBundle group;
  return group;
}

WidgetBundle ZavelNotesBundle::body() const {
  WidgetBundle group;
  return group;
}

WidgetBundle ZavelSystemBundle::body() const {
  WidgetBundle group;
  return group;
}

WidgetBundle ZavelRSSBundle::body() const {
  WidgetBundle group;
  group.addIntent<RSSCycleIntent>();
  return group;
}

ZavelWidgetsBundle::ZavelWidgetsBundle() { ZavelFonts::registerFonts(); }

WidgetBundle ZavelWidgetsBundle::body() const {
  return std::apply([](auto... groups) { return joinedGroups<decltype(groups)...>(); }, Groups{});
}

WidgetBundle makeWidgetsBundle() { return ZavelWidgetsBundle().body(); }

} // namespace zavel
