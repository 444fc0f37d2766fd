#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Data/RSSStore/RSSCycleIntent.h"
#include "Shared/Data/WidgetIntents/ActionIntents.h"
#include "Shared/Data/WidgetIntents/AgendaIntents.h"
#include "Shared/Data/WidgetIntents/SourceEntities.h"
#include "Shared/Data/WidgetIntents/WeatherEntities.h"
#include "Shared/Theme/ZavelFonts.h"
#include "Widgets/FeaturedWidgets/FeaturedWidgets.h"
#include "Widgets/WeatherWidgets/WeatherWidgets.h"

namespace zavel {

using kit::widgets::WidgetBundle;

// Each group lists its widgets in gallery order, one line apiece before `return group;`:
//   group.add(WeatherConditionsWidget());
// and registers the button intents and entity types that live with it.

WidgetBundle ZavelFeaturedBundle::body() const {
  WidgetBundle group;
  group.add(WeatherDeckWidget());
  group.add(NowPlayingDeckWidget());
  group.add(RemoteWidget());
  group.add(NotesDeckWidget());
  group.addIntents(addWeatherEntities);
  return group;
}

WidgetBundle ZavelClocksBundle::body() const {
  WidgetBundle group;
  group.addIntents(addSourceEntities);
  return group;
}

WidgetBundle ZavelAgendaBundle::body() const {
  WidgetBundle group;
  group.addIntents(addAgendaIntents);
  return group;
}

WidgetBundle ZavelWeatherBundle::body() const {
  WidgetBundle group;
  group.add(WeatherConditionsWidget());
  group.add(WeatherForecastWidget());
  group.add(WeatherSunColumnWidget());
  group.add(WeatherRainWidget());
  group.add(MoonWidget());
  group.add(DaylightWidget());
  group.add(AirQualityWidget());
  group.addIntents(addWeatherEntities);
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
  WidgetBundle bundle =
      std::apply([](auto... groups) { return joinedGroups<decltype(groups)...>(); }, Groups{});
  // The keys of the decks, productivity and health widgets share one set of intents.
  bundle.addIntents(addActionIntents);
  return bundle;
}

WidgetBundle makeWidgetsBundle() { return ZavelWidgetsBundle().body(); }

} // namespace zavel
