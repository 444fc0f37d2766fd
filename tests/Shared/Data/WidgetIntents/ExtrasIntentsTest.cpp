#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/WidgetIntents/FocusResetIntent.h"
#include "Shared/Data/WidgetIntents/FocusToggleIntent.h"
#include "Shared/Data/WidgetIntents/HabitToggleIntent.h"
#include "Shared/Data/WidgetIntents/StopwatchResetIntent.h"
#include "Shared/Data/WidgetIntents/StopwatchToggleIntent.h"

#include "ActionTesting.h"

#include <limits>

namespace zavel {
namespace {

using ExtrasStore::focusKey;
using ExtrasStore::stopwatchKey;

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

} // namespace
} // namespace zavel
