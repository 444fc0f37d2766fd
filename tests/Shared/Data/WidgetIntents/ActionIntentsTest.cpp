#include "Shared/Data/WidgetIntents/ActionIntents.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/MediaIntents/MediaBridge.h"
#include "kit/foundation/UUID.h"
#include "support/BusListener.h"

#include "ActionTesting.h"

#include <unistd.h>

namespace zavel {
namespace {

using kit::foundation::Json;
using kit::intents::IntentDescription;
using kit::intents::IntentRegistry;

IntentRegistry actionIntents() {
  IntentRegistry registry;
  addActionIntents(registry);
  return registry;
}

TEST(ActionIntents, EveryKeyIntentIsListedWithItsTitleAndParameters) {
  struct Case {
    const char *type;
    const char *title;
    const char *parameters; // name, title and default of each
  };
  const Case cases[] = {
      {"WeatherDeckViewIntent", "Weather Deck View", R"([["view","View","home"]])"},
      {"ToggleFavCityIntent", "Save Location", R"([["name","City",""]])"},
      {"NoteDeckCycleIntent", "Cycle Notes", R"([["step","Step",1]])"},
      {"NoteDeckPinIntent", "Pin Note", "[]"},
      {"FocusResetIntent", "Reset Focus", "[]"},
      {"ToggleLikeTrackIntent", "Love Track", "[]"},
      {"MediaCommandIntent", "Control Music", R"([["command","Command","playpause"]])"},
      {"FocusToggleIntent", "Start or Stop Focus", "[]"},
      {"StopwatchToggleIntent", "Start or Lap Stopwatch", "[]"},
      {"StopwatchResetIntent", "Reset Stopwatch", "[]"},
      {"HabitToggleIntent", "Check In Habit", R"([["habitID","Habit ID",""]])"},
      {"AddWaterIntent", "Log a Glass of Water", "[]"},
      {"AddStepsIntent", "Log Steps", R"([["steps","Steps",1000]])"},
  };
  auto registry = actionIntents();
  ASSERT_EQ(registry.intents().size(), std::size(cases));
  for (const auto &c : cases) {
    const IntentDescription *intent = registry.intent(c.type);
    ASSERT_NE(intent, nullptr) << c.type;
    EXPECT_EQ(intent->title, c.title);
    Json listed = Json::array();
    for (const auto &parameter : intent->parameters)
      listed.push_back({parameter.name, parameter.title, parameter.defaultValue});
    EXPECT_EQ(listed, Json::parse(c.parameters)) << c.type;
  }
}

class ActionIntentsPerformed : public test::ActionTest {};

TEST_F(ActionIntentsPerformed, ByTypeNameWithParametersFromJson) {
  auto registry = actionIntents();
  registry.perform("AddStepsIntent", Json::parse(R"({"steps": 250})"));
  registry.perform("AddStepsIntent", Json::object());
  EXPECT_EQ(ExtrasStore::counter("steps", 0).value, 1250);
  registry.perform("WeatherDeckViewIntent", Json::parse(R"({"view": "fav"})"));
  EXPECT_EQ(DeckState::weatherView(), DeckState::WeatherView::fav);
  registry.perform("ToggleFavCityIntent", Json::parse(R"({"name": "Kyoto"})"));
  EXPECT_EQ(DeckState::favCities(), DeckState::NameSet{"Kyoto"});
  registry.perform("NoteDeckCycleIntent", Json::parse(R"({"step": -1})"));
  EXPECT_EQ(DeckState::noteIndex(), 0);
  registry.perform("HabitToggleIntent", Json{{"habitID", HabitItem::samples()[0].id.uuidString()}});
  EXPECT_EQ(ExtrasStore::habitWeek()[0].done, 1);
  registry.perform("MediaCommandIntent", Json::parse(R"({"command": "next"})"));
  EXPECT_EQ(log.events().back(), "notify com.brekholt.zavel.media.next");
  EXPECT_THROW(registry.perform("AddStepsIntent", Json::parse(R"({"steps": "many"})")),
               kit::foundation::DecodeError);
}

TEST_F(ActionIntentsPerformed, NotificationsReachTheSessionBusInOrder) {
  kit::foundation::testing::BusListener listener;
  ASSERT_TRUE(listener.connected()) << "no session bus: run the tests under dbus-run-session";
  MediaBridge::setNowPlaying(NowPlayingSnapshot{"Teardrop", "Massive Attack", 0, 0, true, now});
  auto registry = actionIntents();
  registry.perform("ToggleLikeTrackIntent", Json::object());
  // A command of its own, so no other test process posts the same name.
  auto command = "e2e-" + kit::foundation::UUID::random().uuidString();
  registry.perform("MediaCommandIntent", Json{{"command", command}});
  auto signals = listener.waitFor("com.brekholt.zavel.", 3, getpid());
  std::vector<std::string> names;
  for (const auto &signal : signals)
    names.push_back(signal.name);
  EXPECT_EQ(names, (std::vector<std::string>{"com.brekholt.zavel.media.favorite",
                                             "com.brekholt.zavel.reloadwidgets",
                                             "com.brekholt.zavel.media." + command}));
}

} // namespace
} // namespace zavel
