#include "Widgets/StressEntries.h"

#include "Widgets/AgendaWidgets/AgendaWidgets.h"
#include "Widgets/ClockWidgets/ClockWidgets.h"
#include "Widgets/FeaturedWidgets/FeaturedWidgets.h"
#include "Widgets/HealthWidgets/HealthWidgets.h"
#include "Widgets/NotesWidgets/NotesWidgets.h"
#include "Widgets/ProductivityWidgets/ProductivityWidgets.h"
#include "Widgets/RSSWidgets/RSSWidgets.h"
#include "Widgets/SystemWidgets/SystemWidgets.h"
#include "Widgets/WeatherWidgets/WeatherWidgets.h"

#include <fmt/format.h>

namespace zavel::testing {
namespace {

using kit::foundation::Date;

constexpr double hour = 3600, day = 24 * hour;

// The widget's own face for an entry of `data` dated `date`, in the casing asked for.
template <class Provider, class Data>
StressFace face(const ZavelWidget<Provider> &widget, Data data, Date date) {
  auto configuration = widget.configuration();
  return [configuration, data = std::move(data), date](CasingOption casing) {
    return configuration.view(typename Provider::Entry{date, data, casing});
  };
}

// ---- Featured decks --------------------------------------------------------------------------

// A winter week read in Fahrenheit: lows and highs of four characters.
WeatherSnapshot winterWeek(Date now) {
  WeatherSnapshot week = WeatherSnapshot::sample();
  week.place = "International Falls";
  week.temperature = -15;
  week.condition = "Heavy freezing drizzle";
  week.high = 104;
  week.low = -15;
  week.feelsLike = -28;
  week.days = {{"Saturday", 100, -10, false}, {"Sunday", 104, -15, true},
               {"Monday", -10, -15, false},   {"Tuesday", 100, -10, false},
               {"Wednesday", -5, -15, false}, {"Thursday", 104, 100, false}};
  week.windKmh = 118;
  week.humidity = 100;
  week.uvIndex = 11;
  week.visibilityKm = 100;
  week.pressureHpa = 1084;
  week.updated = now;
  return week;
}

std::vector<StressCase> weatherDeck(Date now) {
  std::vector<StressCase> faces;
  for (DeckState::WeatherView view : {DeckState::WeatherView::home, DeckState::WeatherView::today,
                                      DeckState::WeatherView::week, DeckState::WeatherView::fav})
    faces.push_back({face(WeatherDeckWidget(),
                          WeatherDeckData{.snapshot = winterWeek(now),
                                          .view = view,
                                          .cities = {{"INTERNATIONAL FALLS", "-15°", true},
                                                     {"SAN FRANCISCO", "104°", false},
                                                     {"RIO DE JANEIRO", "100°", true},
                                                     {"ULAANBAATAR", "—", false}},
                                          .sunsetLabel = "12:59",
                                          .sunT = 0.95},
                          now)});
  return faces;
}

// An hour-long track, playing at its first hour and paused at its end.
std::vector<NowPlayingData> longTracks(Date now) {
  NowPlayingSnapshot track{.title = "Symphony No. 9 in D minor, Op. 125 — IV. Presto 🎶",
                           .artist = "Berliner Philharmoniker 🎻 and the Rundfunkchor Berlin",
                           .positionSeconds = 3600,
                           .durationSeconds = 4505,
                           .isPlaying = true,
                           .updated = now};
  NowPlayingSnapshot paused = track;
  paused.positionSeconds = 4505;
  paused.isPlaying = false;
  return {{track, true}, {paused, false}};
}

std::vector<NoteItem> longNotes(Date now, int count) {
  std::vector<NoteItem> notes;
  for (int i = 0; i < count; ++i)
    notes.push_back(
        {kit::foundation::UUID::random(),
         fmt::format("Note {} 🔑 — ask the landlord about the radiator 🛠️ in the "
                     "back bedroom, and the spare keys before Thursday's inspection",
                     i + 1),
         now.addingTimeInterval(-i * day), i % 3 == 0});
  return notes;
}

// A short note with an emoji at its end, newest, before the long ones.
std::vector<NoteItem> gateCode(Date now) {
  std::vector<NoteItem> notes = longNotes(now, 11);
  notes.insert(notes.begin(), {kit::foundation::UUID::random(), "Gate code 4711 🔑", now, true});
  return notes;
}

// ---- Clocks ----------------------------------------------------------------------------------

TimeZoneEntity city(const char *zone) { return {zone}; }

// ---- Agenda ----------------------------------------------------------------------------------

std::vector<ReminderItem> manyReminders() {
  std::vector<ReminderItem> items{
      {"d", "📸 Renew the passport photos at the pharmacy on the corner", "12:45", true, false}};
  for (int i = 0; i < 120; ++i)
    items.push_back({fmt::format("r{}", i),
                     fmt::format("📞 Call the insurance company about claim number 4471-{}", i),
                     i % 2 ? std::optional<std::string>("23:59") : std::nullopt, false,
                     i % 3 == 0});
  return items;
}

RemindersSnapshot remindersStress() {
  std::vector<ReminderItem> items = manyReminders();
  ReminderItem next{"n", "🛒 Pick up Groceries for the weekend", "23:59", false, false};
  items.insert(items.begin() + 1, next);
  return {items, next, 999};
}

// A short title after an emoji, as the only thing to do.
RemindersSnapshot buyMilk() {
  ReminderItem milk{"m", "🛒 Buy milk", "18:30", false, false};
  return {{milk}, milk, 45};
}

CalendarSnapshot calendarStress() {
  return {{
              {"1", "12:30", "13:45",
               "🎉 Quarterly planning with the whole design and engineering group",
               "📍 Conference Room Fourteen, Building C · 75 min", true, false},
              {"2", "22:45", "23:59", "📞 Call with the Sydney office about the launch",
               "FaceTime · 74 min", false, true},
              {"3", "23:15", std::nullopt, "Write the weekly report before midnight ✍️",
               std::nullopt, false, false},
          },
          0.96};
}

// ---- Health ----------------------------------------------------------------------------------

UsageSnapshot tenHourDays() {
  return {.totalMinutes = 600,
          .budgetMinutes = 1439,
          .apps = {{"🎬 Final Cut Professional", 1499, false},
                   {"Visual Studio Code", 630, true},
                   {"Messages", 600, false}},
          .week = {{"Saturday", 600, false, false},
                   {"Sunday", 1439, false, true},
                   {"Monday", 630, false, false},
                   {"Tuesday", 600, false, false},
                   {"Wednesday", 0, false, false},
                   {"Thursday", 610, false, false},
                   {"Friday", 600, true, false}}};
}

std::vector<HabitWeekRow> longHabits() {
  return {{kit::foundation::UUID::random(), "🧘 Meditate for ten minutes", 6, 7},
          {kit::foundation::UUID::random(), "Practise the cello 🎻", 3, 7},
          {kit::foundation::UUID::random(), "No sugar 🍩", 0, 7}};
}

// ---- Productivity ----------------------------------------------------------------------------

InboxSnapshot disconnected(Date now) { return {0, std::nullopt, std::nullopt, false, now}; }

InboxSnapshot crowdedInbox(Date now) {
  return {123456,
          "📎 Maximilian Oberhauser-Lindqvist — Re: Re: Fwd: the revised press kit and the "
          "final artwork 🎨\nApp Store Connect — The status of your submission has changed",
          now, true, now};
}

// ---- System and markets ----------------------------------------------------------------------

PowerSnapshot fullPower() {
  return {.percent = 100,
          .isCharging = true,
          .remaining = "23H 59M",
          .devices = {{"MacBook Pro", 100},
                      {"Magic Keyboard with Touch ID ⌨️", 100},
                      {"🖱️ Magic Trackpad", 8}},
          .log = {{Date{}, "Charging from the USB-C port on the left side", true},
                  {Date{}, "Unplugged after a full charge of the battery", false},
                  {Date{}, "Low power mode turned off automatically", false}}};
}

// A machine without a battery of its own: its first accessory names the ring.
PowerSnapshot accessoryOnly() {
  return {.percent = 100,
          .isCharging = false,
          .remaining = "",
          .devices = {{"Click Keyboard mit Ziffernblock", 64}, {"🖱️ Maus", 12}},
          .log = {}};
}

StockSnapshot bigStock(Date now) {
  StockSnapshot stock = StockSnapshot::sample();
  stock.symbol = "GOOGL";
  stock.price = 12345.67;
  stock.changePercent = -12.34;
  stock.updated = now;
  return stock;
}

std::vector<StockSnapshot> bigWatchlist(Date now) {
  return {{"BRK.B", 712345.5, -10.55, StockSnapshot::sample().points, now},
          {"GOOGL", 12345.67, 100.4, {}, now},
          {"NVDA", 0.01, 0, {}, now}};
}

// ---- Feeds -----------------------------------------------------------------------------------

std::vector<RSSItem> manyHeadlines(Date now) {
  std::vector<RSSItem> items;
  for (int i = 0; i < 120; ++i)
    items.push_back({.id = fmt::format("https://example.com/{}", i),
                     .feedTitle = "📰 The International Herald of Long Feed Titles",
                     .title = fmt::format("Headline {}: 🚀 a very long title that runs well past "
                                          "the width of any widget's screen",
                                          i + 1),
                     .summary = "A summary 🌍 long enough to fill every line it is given and then "
                                "some more, so that it has to be cut at its end.",
                     .link = "https://example.com/",
                     .published = now.addingTimeInterval(-(5 * 60 + i * day))});
  return items;
}

} // namespace

Date stressMoment() { return Date::fromUnixTime(1737767400); }

std::map<std::string, std::vector<StressCase>> stressCases(Date now) {
  const std::vector<NowPlayingData> tracks = longTracks(now);
  const RemindersSnapshot reminders = remindersStress();
  const CalendarSnapshot calendar = calendarStress();
  const WeatherSnapshot week = winterWeek(now);
  const UsageSnapshot usage = tenHourDays();
  const PowerSnapshot power = fullPower();
  const std::vector<RSSItem> headlines = manyHeadlines(now);
  ClockConfigIntent farCity{.city = city("America/Argentina/ComodRivadavia")};
  return {
      {"zavel.weather.deck", weatherDeck(now)},
      {"zavel.nowplaying",
       {face(NowPlayingDeckWidget(), tracks[0], now),
        face(NowPlayingDeckWidget(), tracks[1], now)}},
      {"zavel.remote", {face(RemoteWidget(), tracks[0], now)}},
      {"zavel.notes.deck",
       {face(NotesDeckWidget(), NotesDeckData{longNotes(now, 120), 119}, now),
        {face(NotesDeckWidget(), NotesDeckData{gateCode(now), 0}, now), {"Gate code 4711 🔑"}}}},

      {"zavel.clock.orb", {face(ClockOrbWidget(), farCity, now)}},
      {"zavel.clock.orbDigital", {face(ClockDigitalOrbWidget(), farCity, now)}},
      {"zavel.clock.horizon", {face(ClockHorizonWidget(), farCity, now)}},
      {"zavel.clock.stacked", {face(ClockStackedWidget(), farCity, now)}},
      {"zavel.clock.worldStrip",
       {face(ClockWorldStripWidget(),
             WorldClockConfigIntent{.city1 = city("America/Argentina/ComodRivadavia"),
                                    .city2 = city("America/North_Dakota/New_Salem"),
                                    .city3 = city("Pacific/Port_Moresby")},
             now)}},
      {"zavel.clock.dial", {face(ClockNumeralDialWidget(), farCity, now)}},
      {"zavel.clock.column", {face(ClockColumnWidget(), farCity, now)}},
      {"zavel.clock.dual",
       {face(ClockDualWidget(),
             DualClockConfigIntent{.home = city("America/North_Dakota/New_Salem"),
                                   .away = city("America/Argentina/ComodRivadavia")},
             now)}},

      {"zavel.reminders.list", {face(RemindersListWidget(), reminders, now)}},
      {"zavel.reminders.nextUp", {face(RemindersNextUpWidget(), reminders, now)}},
      {"zavel.reminders.stack", {face(RemindersStackWidget(), reminders, now)}},
      {"zavel.reminders.single",
       {face(RemindersSingleWidget(), reminders, now),
        {face(RemindersSingleWidget(), buyMilk(), now), {"🛒 Buy milk"}}}},
      {"zavel.calendar.bigDate", {face(CalendarBigDateWidget(), calendar, now)}},
      {"zavel.calendar.dayEvents", {face(CalendarDayEventsWidget(), calendar, now)}},
      {"zavel.calendar.monthGrid", {face(CalendarMonthGridWidget(), calendar, now)}},
      {"zavel.calendar.agenda", {face(CalendarAgendaWidget(), calendar, now)}},

      {"zavel.weather.current", {face(WeatherConditionsWidget(), week, now)}},
      {"zavel.weather.forecast", {face(WeatherForecastWidget(), week, now)}},
      {"zavel.weather.column", {face(WeatherSunColumnWidget(), week, now)}},
      {"zavel.weather.rain", {face(WeatherRainWidget(), week, now)}},
      {"zavel.moon", {face(MoonWidget(), MoonInfo{"Waning Gibbous", 0.999, false, 29, 29}, now)}},
      {"zavel.daylight",
       {face(DaylightWidget(),
             DaylightInfo{now.addingTimeInterval(-11 * hour), now.addingTimeInterval(12.9 * hour),
                          "Longyearbyen, Svalbard and Jan Mayen", "Arctic/Longyearbyen"},
             now)}},
      {"zavel.airquality", {face(AirQualityWidget(), AirQualitySnapshot{500, now}, now)}},

      {"zavel.battery.ring",
       {face(BatteryRingWidget(), power, now), face(BatteryRingWidget(), accessoryOnly(), now)}},
      {"zavel.screentime.orbit",
       {face(ScreenOrbitWidget(), usage, now),
        face(ScreenOrbitWidget(),
             UsageSnapshot{.totalMinutes = 0, .budgetMinutes = 1439, .apps = {}, .week = {}},
             now)}},
      {"zavel.screentime.elapsed", {face(ScreenElapsedWidget(), usage, now)}},
      {"zavel.steps", {face(StepsWidget(), CounterSnapshot{123456, 100000}, now)}},
      {"zavel.water", {face(WaterWidget(), CounterSnapshot{123456, 20}, now)}},
      {"zavel.habits.week", {face(HabitsWidget(), longHabits(), now)}},
      {"zavel.screentime.weekly", {face(ScreenWeeklyWidget(), usage, now)}},
      {"zavel.screentime.apps", {face(TopAppsWidget(), usage, now)}},

      {"zavel.focus.timer",
       {face(FocusWidget(), FocusSession{std::nullopt, 120}, now),
        face(FocusWidget(), FocusSession{now.addingTimeInterval(5399), 90}, now),
        face(FocusWidget(), FocusSession{now.addingTimeInterval(-60), 90}, now)}},
      {"zavel.stopwatch",
       {face(StopwatchWidget(), StopwatchState{}, now),
        face(StopwatchWidget(), StopwatchState{now.addingTimeInterval(-10 * hour - 59), {61}},
             now)}},
      {"zavel.countdown",
       {face(CountdownWidget(),
             CountdownData{"🎭 The opening night of the new concert hall",
                           now.addingTimeInterval(9999 * day)},
             now)}},
      {"zavel.year", {face(YearWidget(), now, now)}},
      {"zavel.quote",
       {face(QuoteWidget(),
             QuoteItem{"The best way out is always through, though the road runs longer than "
                       "anyone expected when they set out on it in the spring of that year.",
                       "Robert Lee Frost, in A Servant to Servants"},
             now)}},
      {"zavel.inbox",
       {{face(InboxWidget(), disconnected(now), now), {"Turn on Mail in Zavel's settings"}},
        {face(InboxWidget(), crowdedInbox(now), now)}}},

      {"zavel.notes.quick",
       {face(QuickNoteWidget(), longNotes(now, 12), now),
        {face(QuickNoteWidget(), gateCode(now), now), {"Gate code 4711 🔑"}}}},
      {"zavel.notes.single",
       {face(SingleNoteWidget(), longNotes(now, 12), now),
        {face(SingleNoteWidget(), gateCode(now), now), {"Gate code 4711 🔑"}}}},
      {"zavel.notes.list",
       {face(NotesListWidget(), longNotes(now, 12), now),
        {face(NotesListWidget(), gateCode(now), now), {"Gate code 4711 🔑"}}}},
      {"zavel.notes.pinned",
       {face(PinnedNotesWidget(), longNotes(now, 12), now),
        {face(PinnedNotesWidget(), gateCode(now), now), {"Gate code 4711 🔑"}}}},

      {"zavel.battery.devices", {face(BatteryDevicesWidget(), power, now)}},
      {"zavel.battery.minimal", {face(BatteryMinimalWidget(), power, now)}},
      {"zavel.system",
       {face(SystemGaugesWidget(), SystemGauges{{100, 100, 100}, {123456, 200000}}, now)}},
      {"zavel.network", {face(NetworkWidget(), NetworkSnapshot{9999.9, 999.9}, now)}},
      {"zavel.storage", {face(StorageWidget(), StorageSnapshot{123456, 200000}, now)}},
      {"zavel.stock.ticker", {face(TickerWidget(), bigStock(now), now)}},
      {"zavel.stock.watchlist", {face(WatchlistWidget(), bigWatchlist(now), now)}},
      {"zavel.battery.pill", {face(BatteryPillWidget(), power, now)}},

      {"zavel.rss.latest", {face(RSSLatestWidget(), headlines, now)}},
      {"zavel.rss.deck", {face(RSSDeckWidget(), RSSDeckData{headlines, 119}, now)}},
      {"zavel.rss.wire", {{face(RSSWireWidget(), headlines, now), {"5M AGO"}}}},
  };
}

} // namespace zavel::testing
