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

TEST(ZavelWidgetsBundle, EveryGalleryPreviewShowsItsSampleInTheConfiguredCasingAndItsOwnLink) {
  // A text each widget's sample shows whatever the day (the clocks and dates show today), and the
  // section of the host application a tap opens, if any.
  struct Case {
    const char *kind = "";
    const char *opens = nullptr;
    const char *shows = nullptr;
  };
  const Case widgets[] = {
      {.kind = "zavel.weather.deck", .shows = "Partly Cloudy"},
      {.kind = "zavel.nowplaying", .shows = "NOW PLAYING"},
      {.kind = "zavel.remote", .shows = "REMOTE"},
      {.kind = "zavel.notes.deck", .shows = "NOTES · 1 OF 3"},
      {.kind = "zavel.clock.orb"},
      {.kind = "zavel.clock.orbDigital"},
      {.kind = "zavel.clock.horizon"},
      {.kind = "zavel.clock.stacked"},
      {.kind = "zavel.clock.worldStrip", .shows = "NYC"},
      {.kind = "zavel.clock.dial", .shows = "12"},
      {.kind = "zavel.clock.column"},
      {.kind = "zavel.clock.dual", .shows = "SYDNEY"},
      {.kind = "zavel.reminders.list", .opens = "reminders", .shows = "Water the monstera"},
      {.kind = "zavel.reminders.nextUp", .opens = "reminders", .shows = "MIN — INES"},
      {.kind = "zavel.reminders.stack", .opens = "reminders", .shows = "Ship widget beta build"},
      {.kind = "zavel.reminders.single", .opens = "reminders", .shows = "17:00 — IN 28M"},
      {.kind = "zavel.calendar.bigDate", .opens = "calendar"},
      {.kind = "zavel.calendar.dayEvents",
       .opens = "calendar",
       .shows = "Design review · Zavel 1.2"},
      {.kind = "zavel.calendar.monthGrid", .opens = "calendar"},
      {.kind = "zavel.calendar.agenda", .opens = "calendar", .shows = "3 EVENTS"},
      {.kind = "zavel.weather.current", .opens = "weather", .shows = "H 27° — L 18°"},
      {.kind = "zavel.weather.forecast", .opens = "weather", .shows = "LONDON — NEXT 7 DAYS"},
      {.kind = "zavel.weather.column", .opens = "weather", .shows = "LONDON — FEELS 25°"},
      {.kind = "zavel.weather.rain", .opens = "weather", .shows = "RAIN — NEXT 12H"},
      {.kind = "zavel.moon", .shows = "WAXING GIBBOUS"},
      {.kind = "zavel.daylight", .shows = "DAYLIGHT — LONDON"},
      {.kind = "zavel.airquality", .shows = "AIR QUALITY"},
      {.kind = "zavel.battery.ring", .shows = "68%"},
      {.kind = "zavel.screentime.orbit", .shows = "24M OVER"},
      {.kind = "zavel.screentime.elapsed", .shows = "OF 3H 00M DAILY BUDGET"},
      {.kind = "zavel.steps", .shows = "OF 10,000"},
      {.kind = "zavel.water", .shows = "TAP TO LOG A GLASS"},
      {.kind = "zavel.habits.week", .shows = "NO SUGAR"},
      {.kind = "zavel.screentime.weekly", .shows = "DAILY AVERAGE"},
      {.kind = "zavel.screentime.apps", .shows = "TOP APPS — TODAY"},
      {.kind = "zavel.focus.timer", .shows = "FOCUS"},
      {.kind = "zavel.stopwatch", .shows = "STOPWATCH"},
      {.kind = "zavel.countdown", .shows = "LAUNCH"},
      {.kind = "zavel.year", .shows = "YEAR PROGRESS"},
      {.kind = "zavel.quote", .shows = "— LEONARDO DA VINCI"},
      {.kind = "zavel.inbox", .shows = "UNREAD"},
      {.kind = "zavel.notes.quick", .opens = "notes", .shows = "QUICK NOTE"},
      {.kind = "zavel.notes.single", .opens = "notes", .shows = "NOTE"},
      {.kind = "zavel.notes.list",
       .opens = "notes",
       .shows = "— Pick up the spare keys from a friend before 7."},
      {.kind = "zavel.notes.pinned", .opens = "notes", .shows = "Launch checklist"},
      {.kind = "zavel.battery.devices", .shows = "KEYBOARD"},
      {.kind = "zavel.battery.minimal", .shows = "2H 40M REMAINING"},
      {.kind = "zavel.system", .shows = "MEMORY"},
      {.kind = "zavel.network", .shows = "482"},
      {.kind = "zavel.storage", .shows = "OF 1 TB USED"},
      {.kind = "zavel.stock.ticker", .shows = "AAPL"},
      {.kind = "zavel.stock.watchlist", .shows = "WATCHLIST"},
      {.kind = "zavel.battery.pill", .shows = "MACBOOK — ON BATTERY"},
      {.kind = "zavel.rss.latest", .shows = "THE TERMINAL WIRE"},
      {.kind = "zavel.rss.deck", .shows = "RSS · 1 OF 9"},
      {.kind = "zavel.rss.wire", .shows = "9 HEADLINES"},
  };
  zavel::test::TempHome home;
  zavel::test::ScopedLocaleAndZone locale{"en_GB", "Europe/London"};
  WidgetBundle bundle = makeWidgetsBundle();
  ASSERT_EQ(bundle.widgets().size(), std::size(widgets));
  for (std::size_t i = 0; i < std::size(widgets); ++i) {
    const Case &c = widgets[i];
    const AnyWidget &widget = bundle.widgets()[i];
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(widget.kind(), c.kind);
    // Graphite is not the default casing: a widget that ignores the option shows cream.
    kit::widgets::AnyEntry preview =
        widget.configure(kit::foundation::Json{{"casing", "graphite"}})
            .snapshot(kit::widgets::TimelineContext::of(widget.info().family, true));
    kit::ui::LaidOutTree tree =
        kit::ui::testing::lay(preview.view(), kit::widgets::displaySize(widget.info().family));
    EXPECT_EQ(testing::casingGradientStart(tree), ZavelTokens::graphiteA);
    EXPECT_EQ(tree.widgetURL,
              c.opens ? std::optional<std::string>(std::string("zavelwidgets://open/") + c.opens)
                      : std::nullopt);
    if (c.shows) {
      EXPECT_TRUE(tree.root.findText(c.shows)) << c.shows;
    }
  }
}

} // namespace
} // namespace zavel
