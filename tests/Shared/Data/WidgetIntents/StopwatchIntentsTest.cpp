#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/WidgetIntents/StopwatchResetIntent.h"
#include "Shared/Data/WidgetIntents/StopwatchToggleIntent.h"

#include "ActionTesting.h"

namespace zavel {
namespace {

using test::reloadedAndNotified;

class StopwatchIntents : public test::ActionTest {
protected:
  static std::optional<StopwatchState> stopwatch() {
    return SharedSuite::read<StopwatchState>(ExtrasStore::stopwatchKey);
  }
  static void storeStopwatch(const StopwatchState &state) {
    ASSERT_TRUE(SharedSuite::write(ExtrasStore::stopwatchKey, state));
  }
};

TEST_F(StopwatchIntents, StartLapKeyStartsAfreshOrTakesALap) {
  struct Case {
    std::optional<StopwatchState> stored;
    StopwatchState after;
  };
  const Case cases[] = {
      {std::nullopt, {now, {}}},
      {StopwatchState{std::nullopt, {3, 4}}, {now, {}}}, // laps of a stopped watch are dropped
      {StopwatchState{ago(12.5), {}}, {ago(12.5), {12.5}}},
      {StopwatchState{ago(100), {20, 61.5}}, {ago(100), {20, 61.5, 100}}},
      {StopwatchState{ago(-30), {}}, {ago(-30), {-30}}}, // started in the future
  };
  for (const auto &c : cases) {
    SharedSuite::open().removeObject(ExtrasStore::stopwatchKey);
    if (c.stored)
      storeStopwatch(*c.stored);
    StopwatchToggleIntent{}.perform(environment());
    EXPECT_EQ(stopwatch(), c.after);
  }
  EXPECT_EQ(log.events().size(), std::size(cases) * 2);
  EXPECT_EQ(log.events().front(), reloadedAndNotified({"zavel.stopwatch"}).front());
}

TEST_F(StopwatchIntents, ResetStopsWithoutLapsWhateverWasStored) {
  StopwatchResetIntent{}.perform(environment());
  EXPECT_EQ(stopwatch(), StopwatchState{});
  storeStopwatch({ago(50), {1, 2}});
  StopwatchResetIntent{}.perform(environment());
  EXPECT_EQ(stopwatch(), StopwatchState{});
  ASSERT_TRUE(SharedSuite::writeData(ExtrasStore::stopwatchKey, "garbage"));
  StopwatchResetIntent{}.perform(environment());
  EXPECT_EQ(stopwatch(), StopwatchState{});
  auto once = reloadedAndNotified({"zavel.stopwatch"});
  EXPECT_EQ(log.events(),
            (std::vector<std::string>{once[0], once[1], once[0], once[1], once[0], once[1]}));
}

} // namespace
} // namespace zavel
