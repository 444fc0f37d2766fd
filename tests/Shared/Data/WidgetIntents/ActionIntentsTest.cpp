#include "Shared/Data/WidgetIntents/ActionIntents.h"
#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/NotesStore.h"
#include "Shared/Data/WidgetIntents/FocusResetIntent.h"
#include "Shared/Data/WidgetIntents/FocusToggleIntent.h"
#include "Shared/Data/WidgetIntents/HabitToggleIntent.h"
#include "Shared/Data/WidgetIntents/NoteDeckCycleIntent.h"
#include "Shared/Data/WidgetIntents/NoteDeckPinIntent.h"
#include "Shared/Data/WidgetIntents/StopwatchResetIntent.h"
#include "Shared/Data/WidgetIntents/StopwatchToggleIntent.h"

#include "ActionTesting.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace zavel {
namespace {

using kit::foundation::Json;
using Kinds = std::vector<std::string>;
using ExtrasStore::focusKey;
using ExtrasStore::stopwatchKey;

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

TEST(PerformQuietly, WhateverTheStepsThrowStopsThere) {
  int begun = 0;
  performQuietly([&] {
    ++begun;
    throw std::runtime_error("a store that cannot be written");
  });
  performQuietly([&] {
    ++begun;
    throw 42; // not a std::exception
  });
  EXPECT_EQ(begun, 2);
}

class ExtrasIntents : public test::ActionTest {
protected:
  kit::foundation::Date in(double seconds) const { return now.addingTimeInterval(seconds); }
  // The record stored under `key`, or none stored at all.
  template <class Record>
  static void storeRecord(std::string_view key, const std::optional<Record> &record) {
    if (record) {
      ASSERT_TRUE(SharedSuite::write(key, *record));
    } else {
      SharedSuite::open().removeObject(key);
    }
  }
};

TEST_F(ExtrasIntents, FocusKeyStopsARunningSessionElseStartsOneOfItsLength) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  const struct {
    std::optional<FocusSession> stored;
    FocusSession after;
  } cases[] = {
      {std::nullopt, {in(25 * 60), 25}},
      {FocusSession{in(1), 40}, {std::nullopt, 40}},
      {FocusSession{now, 30}, {in(30 * 60), 30}}, // ends this very moment: not running
      {FocusSession{std::nullopt, kMax}, {in(static_cast<double>(kMax) * 60), kMax}},
  };
  for (const auto &c : cases) {
    storeRecord(focusKey, c.stored);
    FocusToggleIntent{}.perform(environment());
    EXPECT_EQ(SharedSuite::read<FocusSession>(focusKey), c.after) << c.after.minutes;
  }
  ASSERT_TRUE(SharedSuite::writeData(focusKey, R"({"endDate":5})"));
  FocusToggleIntent{}.perform(environment());
  EXPECT_EQ(SharedSuite::read<FocusSession>(focusKey), (FocusSession{in(25 * 60), 25}));
}

TEST_F(ExtrasIntents, StopwatchKeyStartsAfreshOrTakesALap) {
  const struct {
    std::optional<StopwatchState> stored;
    StopwatchState after;
  } cases[] = {
      {std::nullopt, {now, {}}},
      {StopwatchState{std::nullopt, {3, 4}}, {now, {}}}, // laps of a stopped watch are dropped
      {StopwatchState{ago(100), {20, 61.5}}, {ago(100), {20, 61.5, 100}}},
  };
  for (const auto &c : cases) {
    storeRecord(stopwatchKey, c.stored);
    StopwatchToggleIntent{}.perform(environment());
    EXPECT_EQ(SharedSuite::read<StopwatchState>(stopwatchKey), c.after);
  }
}

// A lap that is no finite number has no stored form: the running watch stays as it was stored.
TEST_F(ExtrasIntents, StopwatchLapThatCannotBeStoredKeepsTheStoredWatchAndStillReloads) {
  const StopwatchState running{ago(100), {20}};
  storeRecord(stopwatchKey, std::optional(running));
  auto unstorableNow = environment();
  unstorableNow.clock = kit::foundation::Clock::fixed(kit::foundation::Date{INFINITY});
  StopwatchToggleIntent{}.perform(unstorableNow);
  EXPECT_EQ(SharedSuite::read<StopwatchState>(stopwatchKey), running);
  EXPECT_EQ(log.events(), (std::vector<std::string>{"reload zavel.stopwatch",
                                                    "notify com.brekholt.zavel.reloadwidgets"}));
}

TEST_F(ExtrasIntents, ResetKeysStopWhateverWasStored) {
  storeRecord(focusKey, std::optional<FocusSession>({in(600), 40}));
  ASSERT_TRUE(SharedSuite::writeData(stopwatchKey, "garbage"));
  FocusResetIntent{}.perform(environment());
  StopwatchResetIntent{}.perform(environment());
  EXPECT_EQ(SharedSuite::read<FocusSession>(focusKey), (FocusSession{std::nullopt, 40}));
  EXPECT_EQ(SharedSuite::read<StopwatchState>(stopwatchKey), StopwatchState{});
  ASSERT_TRUE(SharedSuite::writeData(focusKey, "garbage"));
  FocusResetIntent{}.perform(environment());
  EXPECT_EQ(SharedSuite::read<FocusSession>(focusKey), (FocusSession{std::nullopt, 25}));
}

TEST_F(ExtrasIntents, HabitKeyChecksInTheHabitOfItsIdInAnyCase) {
  for (const char *id : {"", "not-a-uuid", "{0F8FAD5B-D9CB-469F-A165-70867728950E}"})
    HabitToggleIntent{.habitID = id}.perform(environment());
  EXPECT_TRUE(log.events().empty()); // not even a reload
  ASSERT_TRUE(SharedSuite::writeData(
      ExtrasStore::habitsKey,
      R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Run","checkins":[]}])"));
  HabitToggleIntent{.habitID = "0f8fad5b-d9cb-469f-a165-70867728950e"}.perform(environment());
  EXPECT_EQ(ExtrasStore::habits().at(0).checkins, std::set<std::string>{"2025-03-05"});
  EXPECT_EQ(log.events(), test::reloadedAndNotified({"zavel.habits.week"}));
}

class NoteDeckIntents : public test::ActionTest {
protected:
  // Notes in file order, texts of their positions, each edited at the given time.
  static void writeNotes(const std::vector<double> &edited) {
    Json list = Json::array();
    for (size_t i = 0; i < edited.size(); ++i)
      list.push_back({{"id", "00000000-0000-4000-8000-00000000000" + std::to_string(i)},
                      {"text", std::to_string(i)},
                      {"edited", edited[i]},
                      {"pinned", false}});
    std::ofstream(NotesStore::fileURL()) << list.dump();
  }
  static std::string pinned() {
    std::string texts;
    for (const auto &note : NotesStore::latest())
      texts += note.pinned ? note.text : "";
    return texts;
  }
};

TEST_F(NoteDeckIntents, CycleWrapsAroundTheNotesOrStoresTheFirstWithoutAny) {
  writeNotes({10, 20, 30, 40, 50});
  NoteDeckCycleIntent{.step = -1}.perform(environment());
  EXPECT_EQ(DeckState::noteIndex(), 4);
  std::ofstream(NotesStore::fileURL()) << "[{\"broken\":"; // no note list
  NoteDeckCycleIntent{.step = -1}.perform(environment());
  EXPECT_EQ(DeckState::noteIndex(), 0);
}

TEST_F(NoteDeckIntents, PinActsOnTheShownNoteNewestFirst) {
  // File order 0, 1, 2; newest first that is 1, 2, 0.
  const std::pair<std::optional<int64_t>, const char *> cases[] = {{std::nullopt, "1"}, {9, "0"}};
  for (const auto &[index, filePosition] : cases) {
    writeNotes({100, 300, 200});
    SharedSuite::open().removeObject(DeckState::noteIndexKey);
    if (index)
      DeckState::setNoteIndex(*index);
    NoteDeckPinIntent{}.perform(environment());
    EXPECT_EQ(pinned(), filePosition) << index.value_or(-1);
  }
}

TEST_F(NoteDeckIntents, PinWithoutNotesDoesNothing) {
  NoteDeckPinIntent{}.perform(environment());
  for (const char *text : {"not json", "[]"}) {
    std::ofstream(NotesStore::fileURL()) << text;
    NoteDeckPinIntent{}.perform(environment());
  }
  EXPECT_TRUE(log.events().empty());
  std::ifstream in(NotesStore::fileURL());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[]");
}

} // namespace
} // namespace zavel
