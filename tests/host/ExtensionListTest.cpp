#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zavel::host::testing {
namespace {

namespace fs = std::filesystem;

// Every widget of the extension in gallery order, nine groups one after another: kind, type,
// name, description, size and configuration, as `list` prints them.
const std::vector<std::string> everyWidget{
    // Featured
    "zavel.weather.deck\tWeatherDeckWidget\tWeather Deck\tA weather instrument with four keys and "
    "four screens.\tlarge\tWeatherDeckConfigIntent",
    "zavel.nowplaying\tNowPlayingDeckWidget\tNow Playing\tApple Music with transport keys and a "
    "live meter.\tmedium\tCasingConfigIntent",
    "zavel.remote\tRemoteWidget\tRemote\tThree keys for Apple Music.\tsmall\tCasingConfigIntent",
    "zavel.notes.deck\tNotesDeckWidget\tNotes Deck\tFlip through your notes; pin one with the "
    "orange key.\tmedium\tCasingConfigIntent",
    // Clocks
    "zavel.clock.orb\tClockOrbWidget\tAnalog Orb\tAn analog dial with hardware "
    "hands.\tsmall\tClockConfigIntent",
    "zavel.clock.orbDigital\tClockDigitalOrbWidget\tDigital Orb\tTime ringed in a hairline "
    "orb.\tsmall\tClockConfigIntent",
    "zavel.clock.horizon\tClockHorizonWidget\tHorizon\tBig firmware time with the "
    "date.\tmedium\tClockConfigIntent",
    "zavel.clock.stacked\tClockStackedWidget\tStacked\tHours over dimmed "
    "minutes.\tsmall\tClockConfigIntent",
    "zavel.clock.worldStrip\tClockWorldStripWidget\tWorld Strip\tThree cities across one "
    "screen.\tmedium\tWorldClockConfigIntent",
    "zavel.clock.dial\tClockNumeralDialWidget\tNumeral Dial\tQuiet numerals, two "
    "hands.\tsmall\tClockConfigIntent",
    "zavel.clock.column\tClockColumnWidget\tColumn\tGiant hours over accent "
    "minutes.\tlarge\tClockConfigIntent",
    "zavel.clock.dual\tClockDualWidget\tDual Time\tHome and away on a split "
    "screen.\tmedium\tDualClockConfigIntent",
    // Agenda
    "zavel.reminders.list\tRemindersListWidget\tList Card\tToday's reminders, "
    "tappable.\tmedium\tCasingConfigIntent",
    "zavel.reminders.nextUp\tRemindersNextUpWidget\tNext Up\tCountdown ring to your next "
    "reminder.\tsmall\tCasingConfigIntent",
    "zavel.reminders.stack\tRemindersStackWidget\tFloating Stack\tThree reminders in stacked "
    "pills.\tmedium\tCasingConfigIntent",
    "zavel.reminders.single\tRemindersSingleWidget\tSingle Focus\tOne reminder at a "
    "time.\tsmall\tCasingConfigIntent",
    "zavel.calendar.bigDate\tCalendarBigDateWidget\tBig Date\tToday's date, big and "
    "bold.\tsmall\tCasingConfigIntent",
    "zavel.calendar.dayEvents\tCalendarDayEventsWidget\tDay + Events\tThe date beside what's "
    "next.\tmedium\tCasingConfigIntent",
    "zavel.calendar.monthGrid\tCalendarMonthGridWidget\tMonth Grid\tThe month as a dot "
    "grid.\tsmall\tCasingConfigIntent",
    "zavel.calendar.agenda\tCalendarAgendaWidget\tAgenda\tToday's schedule with day "
    "progress.\tlarge\tCasingConfigIntent",
    // Weather
    "zavel.weather.current\tWeatherConditionsWidget\tConditions\tNow, with highs and "
    "lows.\tsmall\tWeatherConfigIntent",
    "zavel.weather.forecast\tWeatherForecastWidget\tForecast\tThe next seven days across the "
    "screen.\tmedium\tWeatherConfigIntent",
    "zavel.weather.column\tWeatherSunColumnWidget\tSun Column\tThe full portrait: temperature, sky "
    "and sunset.\tlarge\tWeatherConfigIntent",
    "zavel.weather.rain\tWeatherRainWidget\tRain Radar\tRain chance over the next 12 "
    "hours.\tmedium\tWeatherConfigIntent",
    "zavel.moon\tMoonWidget\tMoon\tTonight's phase.\tsmall\tCasingConfigIntent",
    "zavel.daylight\tDaylightWidget\tDaylight\tSunrise to sunset, with the sun on its "
    "arc.\tmedium\tWeatherConfigIntent",
    "zavel.airquality\tAirQualityWidget\tAir Quality\tUS AQI where you "
    "are.\tsmall\tWeatherConfigIntent",
    // Health
    "zavel.battery.ring\tBatteryRingWidget\tRing Orb\tMacBook charge as a "
    "ring.\tsmall\tCasingConfigIntent",
    "zavel.screentime.orbit\tScreenOrbitWidget\tOrbit\tScreen time in a dashed orbit; overage "
    "burns orange.\tsmall\tCasingConfigIntent",
    "zavel.screentime.elapsed\tScreenElapsedWidget\tElapsed\tYour day budget as a burning "
    "grid.\tsmall\tCasingConfigIntent",
    "zavel.steps\tStepsWidget\tSteps\tToday's steps — tap to log 1,000.\tsmall\tCasingConfigIntent",
    "zavel.water\tWaterWidget\tWater\tTap to log a glass.\tsmall\tCasingConfigIntent",
    "zavel.habits.week\tHabitsWidget\tHabits\tThis week's check-ins; tap a row for "
    "today.\tmedium\tCasingConfigIntent",
    "zavel.screentime.weekly\tScreenWeeklyWidget\tWeekly\tSeven days of screen time, today in "
    "accent.\tmedium\tCasingConfigIntent",
    "zavel.screentime.apps\tTopAppsWidget\tTop Apps\tWhere the hours actually "
    "went.\tmedium\tCasingConfigIntent",
    // Productivity
    "zavel.focus.timer\tFocusWidget\tFocus\tA tap-to-start focus "
    "session.\tsmall\tCasingConfigIntent",
    "zavel.stopwatch\tStopwatchWidget\tStopwatch\tTap the time to run it; RESET clears "
    "it.\tsmall\tCasingConfigIntent",
    "zavel.countdown\tCountdownWidget\tCountdown\tDays until the "
    "thing.\tsmall\tCountdownConfigIntent",
    "zavel.year\tYearWidget\tYear Progress\tHow far the year has run.\tmedium\tCasingConfigIntent",
    "zavel.quote\tQuoteWidget\tDaily Quote\tOne good line a day.\tmedium\tCasingConfigIntent",
    "zavel.inbox\tInboxWidget\tInbox\tUnread mail at a glance.\tsmall\tCasingConfigIntent",
    // Notes
    "zavel.notes.quick\tQuickNoteWidget\tQuick Note\tYour latest note, big and "
    "readable.\tmedium\tCasingConfigIntent",
    "zavel.notes.single\tSingleNoteWidget\tSingle Note\tOne note on a small "
    "screen.\tsmall\tCasingConfigIntent",
    "zavel.notes.list\tNotesListWidget\tNotes List\tThe last few notes and a "
    "count.\tsmall\tCasingConfigIntent",
    "zavel.notes.pinned\tPinnedNotesWidget\tPinned\tTwo pinned notes on chip "
    "cards.\tmedium\tCasingConfigIntent",
    // System
    "zavel.battery.devices\tBatteryDevicesWidget\tDevices\tMac, keyboard, mouse and "
    "more.\tmedium\tCasingConfigIntent",
    "zavel.battery.minimal\tBatteryMinimalWidget\tMinimal\tCharge with time "
    "remaining.\tsmall\tCasingConfigIntent",
    "zavel.system\tSystemGaugesWidget\tSystem\tCPU, memory, GPU and storage in one "
    "pane.\tmedium\tCasingConfigIntent",
    "zavel.network\tNetworkWidget\tNetwork\tAverage throughput since last "
    "refresh.\tsmall\tCasingConfigIntent",
    "zavel.storage\tStorageWidget\tStorage\tDisk used, on a bar.\tsmall\tCasingConfigIntent",
    "zavel.stock.ticker\tTickerWidget\tTicker\tA stock and its session, on one "
    "line.\tmedium\tStockConfigIntent",
    "zavel.stock.watchlist\tWatchlistWidget\tWatchlist\tThree stocks at a "
    "glance.\tmedium\tWatchlistConfigIntent",
    "zavel.battery.pill\tBatteryPillWidget\tLight Pill\tA screen half-lit by your "
    "charge.\tmedium\tCasingConfigIntent",
    // Feeds
    "zavel.rss.latest\tRSSLatestWidget\tFeed\tThe newest headline from your "
    "feeds.\tsmall\tCasingConfigIntent",
    "zavel.rss.deck\tRSSDeckWidget\tRSS Deck\tFlip through headlines; the orange key opens "
    "one.\tmedium\tCasingConfigIntent",
    "zavel.rss.wire\tRSSWireWidget\tWire\tSeven headlines on one tall "
    "screen.\tlarge\tCasingConfigIntent",
};

TEST(Extension, ListsItsFiftySixWidgetsInTheGalleryOrderOfItsNineGroups) {
  zavel::test::TempHome home;
  EXPECT_EQ(lines(runExecutable({"list"}).out), everyWidget);
}

TEST(Extension, GalleryDrawsEveryWidgetUnderTheHeadingOfItsGroupInOrder) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  ASSERT_EQ(runExecutable({"gallery", "-o", scratch.root()}).status, 0);
  std::string page = fileText(scratch.root() / "index.html");
  std::size_t at = 0;
  EXPECT_NE(page.find("built-in sample"), std::string::npos);
  // The headings are the families the README names.
  for (const char *group : {"Featured decks", "Clocks", "Agenda", "Weather", "Health",
                            "Productivity", "Notes", "System", "Feeds"}) {
    std::size_t heading = page.find(std::string("<h2>") + group + "</h2>", at);
    ASSERT_NE(heading, std::string::npos) << group << " missing or out of order";
    at = heading;
  }
  std::size_t shown = 0;
  for (const std::string &row : everyWidget) {
    std::string picture = row.substr(0, row.find('\t')) + ".png";
    EXPECT_TRUE(fs::file_size(scratch.root() / picture) > 0) << picture;
    std::size_t place = page.find("src=\"" + picture + "\"");
    EXPECT_TRUE(place != std::string::npos && place > shown) << picture << " out of order";
    shown = place;
  }
}

} // namespace
} // namespace zavel::host::testing
