#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Data/RSSStore/RSSCycleIntent.h"
#include "Shared/Data/WidgetIntents/ActionIntents.h"
#include "Shared/Data/WidgetIntents/AgendaIntents.h"
#include "Shared/Data/WidgetIntents/SourceEntities.h"
#include "Shared/Data/WidgetIntents/WeatherEntities.h"
#include "Shared/Theme/ZavelFonts.h"
#include "Widgets/AgendaWidgets/AgendaWidgets.h"
#include "Widgets/ClockWidgets/ClockWidgets.h"
#include "Widgets/FeaturedWidgets/FeaturedWidgets.h"
#include "Widgets/HealthWidgets/HealthWidgets.h"
#include "Widgets/NotesWidgets/NotesWidgets.h"
#include "Widgets/ProductivityWidgets/ProductivityWidgets.h"
#include "Widgets/RSSWidgets/RSSWidgets.h"
#include "Widgets/SystemWidgets/SystemWidgets.h"
#include "Widgets/WeatherWidgets/WeatherWidgets.h"

#include <string>
#include <utility>

namespace zavel {

using kit::widgets::WidgetBundle;

// Each group lists its widgets in gallery order, one line apiece before the group is returned:
//   group.add(WeatherConditionsWidget());
// and registers the button intents and entity types that live with it.

ZavelWidgetGroup ZavelFeaturedBundle() {
  WidgetBundle group;
  group.add(WeatherDeckWidget());
  group.add(NowPlayingDeckWidget());
  group.add(RemoteWidget());
  group.add(NotesDeckWidget());
  group.addIntents(addWeatherEntities);
  return {"ZavelFeaturedBundle", "Featured decks", std::move(group)};
}

ZavelWidgetGroup ZavelClocksBundle() {
  WidgetBundle group;
  group.add(ClockOrbWidget());
  group.add(ClockDigitalOrbWidget());
  group.add(ClockHorizonWidget());
  group.add(ClockStackedWidget());
  group.add(ClockWorldStripWidget());
  group.add(ClockNumeralDialWidget());
  group.add(ClockColumnWidget());
  group.add(ClockDualWidget());
  group.addIntents(addSourceEntities);
  return {"ZavelClocksBundle", "Clocks", std::move(group)};
}

ZavelWidgetGroup ZavelAgendaBundle() {
  WidgetBundle group;
  group.add(RemindersListWidget());
  group.add(RemindersNextUpWidget());
  group.add(RemindersStackWidget());
  group.add(RemindersSingleWidget());
  group.add(CalendarBigDateWidget());
  group.add(CalendarDayEventsWidget());
  group.add(CalendarMonthGridWidget());
  group.add(CalendarAgendaWidget());
  group.addIntents(addAgendaIntents);
  return {"ZavelAgendaBundle", "Agenda", std::move(group)};
}

ZavelWidgetGroup ZavelWeatherBundle() {
  WidgetBundle group;
  group.add(WeatherConditionsWidget());
  group.add(WeatherForecastWidget());
  group.add(WeatherSunColumnWidget());
  group.add(WeatherRainWidget());
  group.add(MoonWidget());
  group.add(DaylightWidget());
  group.add(AirQualityWidget());
  group.addIntents(addWeatherEntities);
  return {"ZavelWeatherBundle", "Weather", std::move(group)};
}

ZavelWidgetGroup ZavelHealthBundle() {
  WidgetBundle group;
  group.add(BatteryRingWidget());
  group.add(ScreenOrbitWidget());
  group.add(ScreenElapsedWidget());
  group.add(StepsWidget());
  group.add(WaterWidget());
  group.add(HabitsWidget());
  group.add(ScreenWeeklyWidget());
  group.add(TopAppsWidget());
  return {"ZavelHealthBundle", "Health", std::move(group)};
}

ZavelWidgetGroup ZavelProductivityBundle() {
  WidgetBundle group;
  group.add(FocusWidget());
  group.add(StopwatchWidget());
  group.add(CountdownWidget());
  group.add(YearWidget());
  group.add(QuoteWidget());
  group.add(InboxWidget());
  return {"ZavelProductivityBundle", "Productivity", std::move(group)};
}

ZavelWidgetGroup ZavelNotesBundle() {
  WidgetBundle group;
  group.add(QuickNoteWidget());
  group.add(SingleNoteWidget());
  group.add(NotesListWidget());
  group.add(PinnedNotesWidget());
  return {"ZavelNotesBundle", "Notes", std::move(group)};
}

ZavelWidgetGroup ZavelSystemBundle() {
  WidgetBundle group;
  group.add(BatteryDevicesWidget());
  group.add(BatteryMinimalWidget());
  group.add(SystemGaugesWidget());
  group.add(NetworkWidget());
  group.add(StorageWidget());
  group.add(TickerWidget());
  group.add(WatchlistWidget());
  group.add(BatteryPillWidget());
  return {"ZavelSystemBundle", "System", std::move(group)};
}

ZavelWidgetGroup ZavelRSSBundle() {
  WidgetBundle group;
  group.add(RSSLatestWidget());
  group.add(RSSDeckWidget());
  group.add(RSSWireWidget());
  group.addIntent<RSSCycleIntent>();
  return {"ZavelRSSBundle", "Feeds", std::move(group)};
}

ZavelWidgetsBundle::ZavelWidgetsBundle() { ZavelFonts::registerFonts(); }

WidgetBundle ZavelWidgetsBundle::body() const {
  WidgetBundle bundle;
  for (const ZavelWidgetGroup &group :
       {ZavelFeaturedBundle(), ZavelClocksBundle(), ZavelAgendaBundle(), ZavelWeatherBundle(),
        ZavelHealthBundle(), ZavelProductivityBundle(), ZavelNotesBundle(), ZavelSystemBundle(),
        ZavelRSSBundle()})
    bundle.add(std::string(group.title), group.body());
  // The keys of the decks, productivity and health widgets share one set of intents.
  bundle.addIntents(addActionIntents);
  return bundle;
}

WidgetBundle makeWidgetsBundle() { return ZavelWidgetsBundle().body(); }

} // namespace zavel
