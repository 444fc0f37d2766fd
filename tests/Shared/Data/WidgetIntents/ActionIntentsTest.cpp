#include "Shared/Data/WidgetIntents/ActionIntents.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/NotesStore.h"

#include "ActionTesting.h"

#include <fstream>

namespace zavel {
namespace {

using kit::foundation::Json;
using Kinds = std::vector<std::string>;

class ActionIntents : public test::ActionTest {};

TEST_F(ActionIntents, PerformedByTypeNameWithParametersFromJsonThenReloadAndNotify) {
  kit::intents::IntentRegistry registry;
  addActionIntents(registry);
  std::ofstream(NotesStore::fileURL())
      << R"([{"id":"0f8fad5b-d9cb-469f-a165-70867728950e","text":"a","edited":1,"pinned":false}])";
  const Kinds notes{"zavel.notes.deck", "zavel.notes.pinned", "zavel.notes.list"};
  const struct {
    const char *type;
    Json parameters;
    Kinds kinds;
  } presses[] = {
      {"AddStepsIntent", {{"steps", 250}}, {"zavel.steps"}},
      {"AddStepsIntent", Json::object(), {"zavel.steps"}}, // 1000 by default
      {"AddWaterIntent", Json::object(), {"zavel.water"}},
      {"WeatherDeckViewIntent", {{"view", "fav"}}, {"zavel.weather.deck"}},
      {"ToggleFavCityIntent", {{"name", "Kyoto"}}, {"zavel.weather.deck"}},
      {"NoteDeckCycleIntent", {{"step", -1}}, notes},
      {"NoteDeckPinIntent", Json::object(), notes},
      {"HabitToggleIntent",
       {{"habitID", HabitItem::samples()[0].id.uuidString()}},
       {"zavel.habits.week"}},
      {"FocusToggleIntent", Json::object(), {"zavel.focus.timer"}},
      {"FocusResetIntent", Json::object(), {"zavel.focus.timer"}},
      {"StopwatchToggleIntent", Json::object(), {"zavel.stopwatch"}},
      {"StopwatchResetIntent", Json::object(), {"zavel.stopwatch"}},
  };
  for (const auto &press : presses) {
    test::ReloadLog pressLog;
    registry.perform(press.type, press.parameters);
    EXPECT_EQ(pressLog.events(), test::reloadedAndNotified(press.kinds)) << press.type;
  }
  EXPECT_EQ(std::tuple(ExtrasStore::counter("steps", 0).value,
                       ExtrasStore::counter("water", 0).value, DeckState::weatherView(),
                       DeckState::favCities()),
            std::tuple(1250, 1, DeckState::WeatherView::fav, DeckState::NameSet{"Kyoto"}));

  registry.perform("MediaCommandIntent", {{"command", "next"}});
  EXPECT_EQ(log.events().back(), "notify com.brekholt.zavel.media.next");
  EXPECT_THROW(registry.perform("AddStepsIntent", {{"steps", "many"}}),
               kit::foundation::DecodeError);
}

} // namespace
} // namespace zavel
