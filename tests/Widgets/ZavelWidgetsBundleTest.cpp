#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Data/RSSStore/RSSCycleIntent.h"
#include "Shared/Data/WidgetIntents/ActionIntents.h"
#include "Shared/Data/WidgetIntents/AgendaIntents.h"
#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"
#include "Shared/Data/WidgetIntents/SourceEntities.h"
#include "Shared/Data/WidgetIntents/WeatherEntities.h"
#include "Widgets/Shell/ZavelEntry.h"
#include "Widgets/Shell/ZavelWidgetRoot.h"
#include "kit/ui/LayoutTesting.h"
#include "kit/ui/UI.h"
#include "kit/ui/text/FreshProcess.h"
#include "kit/ui/text/PangoTextEngine.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::widgets::AnyWidget;
using kit::widgets::AppIntentConfiguration;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetBundle;
using kit::widgets::WidgetFamily;

// The gallery: each group's widget types in order.
const std::vector<std::pair<std::string_view, std::vector<std::string_view>>> gallery{
    {"ZavelFeaturedBundle",
     {"WeatherDeckWidget", "NowPlayingDeckWidget", "RemoteWidget", "NotesDeckWidget"}},
    {"ZavelClocksBundle",
     {"ClockOrbWidget", "ClockDigitalOrbWidget", "ClockHorizonWidget", "ClockStackedWidget",
      "ClockWorldStripWidget", "ClockNumeralDialWidget", "ClockColumnWidget", "ClockDualWidget"}},
    {"ZavelAgendaBundle",
     {"RemindersListWidget", "RemindersNextUpWidget", "RemindersStackWidget",
      "RemindersSingleWidget", "CalendarBigDateWidget", "CalendarDayEventsWidget",
      "CalendarMonthGridWidget", "CalendarAgendaWidget"}},
    {"ZavelWeatherBundle",
     {"WeatherConditionsWidget", "WeatherForecastWidget", "WeatherSunColumnWidget",
      "WeatherRainWidget", "MoonWidget", "DaylightWidget", "AirQualityWidget"}},
    {"ZavelHealthBundle",
     {"BatteryRingWidget", "ScreenOrbitWidget", "ScreenElapsedWidget", "StepsWidget", "WaterWidget",
      "HabitsWidget", "ScreenWeeklyWidget", "TopAppsWidget"}},
    {"ZavelProductivityBundle",
     {"FocusWidget", "StopwatchWidget", "CountdownWidget", "YearWidget", "QuoteWidget",
      "InboxWidget"}},
    {"ZavelNotesBundle",
     {"QuickNoteWidget", "SingleNoteWidget", "NotesListWidget", "PinnedNotesWidget"}},
    {"ZavelSystemBundle",
     {"BatteryDevicesWidget", "BatteryMinimalWidget", "SystemGaugesWidget", "NetworkWidget",
      "StorageWidget", "TickerWidget", "WatchlistWidget", "BatteryPillWidget"}},
    {"ZavelRSSBundle", {"RSSLatestWidget", "RSSDeckWidget", "RSSWireWidget"}},
};

std::vector<std::string> typeNames(const WidgetBundle &bundle) {
  std::vector<std::string> names;
  for (const AnyWidget &widget : bundle.widgets())
    names.push_back(widget.info().typeName);
  return names;
}

template <class... Groups> std::vector<std::string_view> groupNames(std::tuple<Groups...> *) {
  return {Groups::typeName...};
}

template <class... Groups>
std::vector<std::vector<std::string>> groupBodies(std::tuple<Groups...> *) {
  return {typeNames(Groups{}.body())...};
}

ZavelSize sizeClass(WidgetFamily family) {
  switch (family) {
  case WidgetFamily::systemMedium:
    return ZavelSize::m;
  case WidgetFamily::systemLarge:
    return ZavelSize::l;
  case WidgetFamily::systemSmall:
    break;
  }
  return ZavelSize::s;
}

// What makes a listed widget a real one of this extension; empty when it is.
std::vector<std::string> defectsOf(const AnyWidget &widget) {
  const kit::widgets::WidgetInfo &info = widget.info();
  std::vector<std::string> defects;
  if (!info.kind.starts_with("zavel.") || info.kind.size() == 6)
    defects.push_back("kind");
  if (info.displayName.empty())
    defects.push_back("display name");
  if (info.description.empty())
    defects.push_back("description");
  if (!info.contentMarginsDisabled)
    defects.push_back("content margins");
  if (info.configuration.parameters.empty() ||
      info.configuration.parameters.back().name != "casing")
    defects.push_back("casing option");
  kit::ui::Size size = kit::widgets::displaySize(info.family);
  kit::widgets::AnyEntry entry = widget.placeholder(TimelineContext::of(info.family));
  kit::ui::LaidOutTree tree = kit::ui::testing::lay(entry.view(), size);
  if (!tree.containerBackground)
    defects.push_back("casing");
  kit::foundation::Json json = entry.json();
  if (!json.contains("date") || !json.contains("casing") || !json.contains("data"))
    defects.push_back("entry form");
  return defects;
}

// A small widget that shows a number, framed like every widget of the extension.
struct NumberProvider {
  using Intent = CasingConfigIntent;
  using Entry = ZavelEntry<int>;
  Entry placeholder(const TimelineContext &) const { return {Date{0}, 1}; }
  Entry snapshot(const Intent &configuration, const TimelineContext &) const {
    return {Date{0}, 2, configuration.casing};
  }
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const TimelineContext &) const {
    return {{{Date{0}, 3, configuration.casing}}};
  }
};

AppIntentConfiguration<NumberProvider> numberWidget(std::string kind, WidgetFamily family) {
  return AppIntentConfiguration<NumberProvider>(
             std::move(kind), NumberProvider{},
             [family](const ZavelEntry<int> &entry) {
               return ZavelWidgetRoot(sizeClass(family), entry.casing,
                                      [](const ZCtx &) { return kit::ui::EmptyView(); });
             })
      .configurationDisplayName("Number")
      .description("One number.")
      .supportedFamily(family)
      .contentMarginsDisabled();
}

struct FirstNumberWidget {
  static constexpr std::string_view typeName = "FirstNumberWidget";
  auto body() const { return numberWidget("zavel.number.first", WidgetFamily::systemSmall); }
};
struct SecondNumberWidget {
  static constexpr std::string_view typeName = "SecondNumberWidget";
  auto body() const { return numberWidget("zavel.number.second", WidgetFamily::systemLarge); }
};
struct WideNumberWidget {
  static constexpr std::string_view typeName = "WideNumberWidget";
  auto body() const { return numberWidget("zavel.number.wide", WidgetFamily::systemMedium); }
};
// Drawn straight into the host's margins, without the casing or a kind of the extension.
struct BareNumberWidget {
  static constexpr std::string_view typeName = "BareNumberWidget";
  auto body() const {
    return AppIntentConfiguration<NumberProvider>(
        "number.bare", NumberProvider{},
        [](const ZavelEntry<int> &) { return kit::ui::EmptyView(); });
  }
};

struct ResetIntent {
  static constexpr std::string_view typeName = "ResetIntent";
  static constexpr std::string_view title = "Reset";
  static constexpr auto parameters() { return std::tuple{}; }
  kit::intents::IntentResult perform() const noexcept { return {}; }
};

kit::intents::IntentRegistry &addNumberIntents(kit::intents::IntentRegistry &registry) {
  return registry.add<ResetIntent>();
}

struct NumbersGroup {
  WidgetBundle body() const {
    WidgetBundle group;
    group.add<FirstNumberWidget>();
    group.add<SecondNumberWidget>();
    return group;
  }
};
struct WideNumbersGroup {
  WidgetBundle body() const {
    WidgetBundle group;
    group.add<WideNumberWidget>();
    group.addIntents(addNumberIntents);
    return group;
  }
};

TEST(ZavelWidgetsBundle, NineGroupsInGalleryOrder) {
  std::vector<std::string_view> expected;
  for (const auto &[group, widgets] : gallery)
    expected.push_back(group);
  EXPECT_EQ(groupNames(static_cast<ZavelWidgetsBundle::Groups *>(nullptr)), expected);

  // The whole catalogue is the groups' widgets one group after another.
  std::vector<std::string> joined;
  for (const auto &body : groupBodies(static_cast<ZavelWidgetsBundle::Groups *>(nullptr)))
    joined.insert(joined.end(), body.begin(), body.end());
  EXPECT_EQ(typeNames(makeWidgetsBundle()), joined);
}

TEST(ZavelWidgetsBundle, JoinedGroupsKeepTheirOrderAndIntents) {
  WidgetBundle bundle = joinedGroups<WideNumbersGroup, NumbersGroup>();
  EXPECT_EQ(typeNames(bundle), (std::vector<std::string>{"WideNumberWidget", "FirstNumberWidget",
                                                         "SecondNumberWidget"}));
  EXPECT_NE(bundle.intents().intent("ResetIntent"), nullptr);
  EXPECT_EQ(bundle.widget("zavel.number.second")->info().family, WidgetFamily::systemLarge);
}

TEST(ZavelWidgetsBundle, EachGroupListsOnlyItsOwnWidgetsInGalleryOrder) {
  auto bodies = groupBodies(static_cast<ZavelWidgetsBundle::Groups *>(nullptr));
  ASSERT_EQ(bodies.size(), gallery.size());
  for (std::size_t g = 0; g < gallery.size(); ++g) {
    const auto &[group, order] = gallery[g];
    auto next = order.begin();
    for (const std::string &name : bodies[g]) {
      next = std::find(next, order.end(), name);
      ASSERT_NE(next, order.end()) << name << " is not in order in " << group;
      ++next;
    }
  }
}

TEST(ZavelWidgetsBundle, EveryListedWidgetIsARealFramedWidget) {
  zavel::test::TempHome home;
  WidgetBundle bundle = makeWidgetsBundle();
  std::set<std::string> kinds;
  for (const AnyWidget &widget : bundle.widgets()) {
    EXPECT_TRUE(kinds.insert(widget.kind()).second) << widget.kind() << " listed twice";
    EXPECT_EQ(defectsOf(widget), std::vector<std::string>{}) << widget.info().typeName;
  }

  // The same checks on widgets made for the purpose: a framed one passes, a bare one does not.
  WidgetBundle numbers = joinedGroups<NumbersGroup, WideNumbersGroup>();
  for (const AnyWidget &widget : numbers.widgets())
    EXPECT_EQ(defectsOf(widget), std::vector<std::string>{}) << widget.info().typeName;
  WidgetBundle bare;
  bare.add<BareNumberWidget>();
  EXPECT_EQ(defectsOf(bare.widgets().front()),
            (std::vector<std::string>{"kind", "display name", "description", "content margins",
                                      "casing"}));
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
    EXPECT_EQ(bundle.intents().intent(intent.typeName) != nullptr, true) << intent.typeName;
  for (const std::string &entity : areas.entityTypeNames())
    EXPECT_EQ(bundle.intents().entityQuery(entity) != nullptr, true) << entity;
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

} // namespace
} // namespace zavel
