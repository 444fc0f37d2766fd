#include "Shared/Data/ExtrasStores/ExtrasStore.h"

#include "../WidgetIntents/ActionTesting.h"

#include "Shared/Data/ExtrasStores/ReloadKinds.h"
#include "kit/foundation/Iso8601.h"
#include "support/ReloadLog.h"

#include <gtest/gtest.h>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::DefaultsValue;
using kit::foundation::UUID;

const UUID kRun = *UUID::fromString("0F8FAD5B-D9CB-469F-A165-70867728950E");
const UUID kRead = *UUID::fromString("7C9E6679-7425-40DE-944B-E07FC1F90AE7");

Clock clockAt(const char *iso) { return Clock::fixed(*kit::foundation::dateFromIso8601(iso)); }

// A Wednesday, 10:00 in Berlin, the fixture's moment.
const Clock kWednesday = clockAt("2025-03-05T10:00:00+01:00");

class ExtrasStoreTest : public test::ActionTest {
protected:
  static void storeHabits(const std::vector<HabitItem> &habits) {
    ASSERT_TRUE(SharedSuite::write(ExtrasStore::habitsKey, habits));
  }
};

TEST_F(ExtrasStoreTest, CountersKeepOneValueForEachLocalDayInTheLocalesCalendar) {
  store("zavel.counter.water.2025-03-04", int64_t{6});
  ExtrasStore::addToCounter("water", 1, kWednesday);
  EXPECT_EQ(stored("zavel.counter.water.2025-03-05"), DefaultsValue(int64_t{1}));
  EXPECT_EQ(stored("zavel.counter.water.2025-03-04"), DefaultsValue(int64_t{6}));
  EXPECT_EQ(ExtrasStore::counter("water", 8, kWednesday), (CounterSnapshot{1, 8}));
  // 23:30 in Berlin is still Wednesday; 00:30 is Thursday, whatever UTC says.
  EXPECT_EQ(std::pair(ExtrasStore::counter("water", 8, clockAt("2025-03-05T22:30:00Z")).value,
                      ExtrasStore::counter("water", 8, clockAt("2025-03-05T23:30:00Z")).value),
            std::pair(int64_t{1}, int64_t{0}));
}

TEST_F(ExtrasStoreTest, CounterSumsStayWithinZeroAndTheLargestValue) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  struct Case {
    std::optional<int64_t> stored;
    int64_t amount, result;
  };
  for (const auto &c :
       {Case{300, -500, 0}, Case{kMax, 5, kMax}, Case{kMin, -1, 0}, Case{0, kMin, 0}}) {
    SharedSuite::open().removeObject("zavel.counter.steps.2025-03-05");
    if (c.stored)
      store("zavel.counter.steps.2025-03-05", *c.stored);
    ExtrasStore::addToCounter("steps", c.amount, kWednesday);
    EXPECT_EQ(stored("zavel.counter.steps.2025-03-05"), DefaultsValue(c.result))
        << c.stored.value_or(-1) << " + " << c.amount;
  }
}

// What is no number is no count of ours: it stays as it is, and reads as 0.
TEST_F(ExtrasStoreTest, ACounterHoldingSomethingOtherThanANumberIsLeftAsItIs) {
  const std::string key = "zavel.counter.water.2025-03-05";
  const std::pair<DefaultsValue, std::optional<DefaultsValue>> cases[] = {
      {kit::foundation::Data{"3"}, std::nullopt},
      {std::string("three"), std::nullopt},
      {std::vector<std::string>{"3"}, std::nullopt},
      {std::string("3"), DefaultsValue(int64_t{4})},
      {2.5, DefaultsValue(int64_t{3})},
  };
  for (const auto &[value, after] : cases) {
    store(key, value);
    ExtrasStore::addToCounter("water", 1, kWednesday);
    EXPECT_EQ(stored(key), after.value_or(value)) << ::testing::PrintToString(value);
  }
}

TEST_F(ExtrasStoreTest, GoalsBelowOneReadAsTheDefaults) {
  const std::tuple<DefaultsValue, int64_t, int64_t> cases[] = {
      {int64_t{0}, 8, 10000}, {std::string("x"), 8, 10000}, {int64_t{12}, 12, 12}};
  for (const auto &[value, water, steps] : cases) {
    store(ExtrasStore::waterGoalKey, value);
    store(ExtrasStore::stepsGoalKey, value);
    EXPECT_EQ(std::pair(ExtrasStore::waterGoal(), ExtrasStore::stepsGoal()),
              std::pair(water, steps));
  }
}

TEST_F(ExtrasStoreTest, HabitWeekCountsMondayToSundayOfTheCurrentWeek) {
  storeHabits({{kRun,
                "Run",
                {"2024-12-29", "2024-12-30", "2025-01-05", "2025-01-06", "2025-03-02", "2025-03-03",
                 "2025-03-05", "2025-03-09", "2025-03-10"}},
               {kRead, "Read", {"2025-02-26", "2025-03-01"}}});
  const std::tuple<const char *, int64_t, int64_t> cases[] = {
      {"2025-03-03T00:00:00+01:00", 3, 0}, // Monday: later days of the week count already
      {"2025-03-09T23:59:59+01:00", 3, 0}, // Sunday: back to Monday the 3rd
      {"2025-01-01T12:00:00+01:00", 2, 0}, // a week over the turn of the year
  };
  for (const auto &[now, run, read] : cases)
    EXPECT_EQ(ExtrasStore::habitWeek(clockAt(now)),
              (std::vector<HabitWeekRow>{{kRun, "Run", run, 7}, {kRead, "Read", read, 7}}))
        << now;
}

// The samples stand in for a list that is not stored or cannot be read; a check-in makes them
// the stored list only when none is stored: a list that cannot be read is the user's and stays
// exactly as it was.
TEST_F(ExtrasStoreTest, NoReadableHabitListGivesTheSamplesAndACheckInStoresThemOnlyWhenNoneIs) {
  std::vector<HabitWeekRow> sampleRows;
  for (const auto &habit : HabitItem::samples())
    sampleRows.push_back({habit.id, habit.name, 0, 7});
  const auto sampleRead = HabitItem::samples()[1].id;
  const DefaultsValue unreadable[] = {
      kit::foundation::Data{R"([{"id":"nope","name":"Run"}])"},
      kit::foundation::Data{R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Run"}])"},
      std::string(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Run","checkins":[]}])"),
      kit::foundation::Data{"Run, Read"},
  };
  for (const auto &value : unreadable) {
    store(ExtrasStore::habitsKey, value);
    EXPECT_EQ(ExtrasStore::habitWeek(kWednesday), sampleRows);
    ExtrasStore::toggleHabitToday(sampleRead, kWednesday);
    EXPECT_EQ(stored(ExtrasStore::habitsKey), value);
  }

  SharedSuite::open().removeObject(ExtrasStore::habitsKey);
  EXPECT_EQ(ExtrasStore::habitWeek(kWednesday), sampleRows);
  ExtrasStore::toggleHabitToday(sampleRead, kWednesday);
  auto expected = HabitItem::samples();
  expected[1].checkins.insert("2025-03-05");
  EXPECT_EQ(SharedSuite::read<std::vector<HabitItem>>(ExtrasStore::habitsKey), expected);
  storeHabits({});
  EXPECT_TRUE(ExtrasStore::habitWeek(kWednesday).empty());
}

TEST_F(ExtrasStoreTest, ToggleChecksInAndOutOnlyTheFirstHabitWithTheIdTodayAndNoOtherWrites) {
  auto unknown = *UUID::fromString("E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
  ExtrasStore::toggleHabitToday(unknown, kWednesday);
  EXPECT_FALSE(stored(ExtrasStore::habitsKey)); // the samples are not stored for nothing
  const std::vector<HabitItem> habits{
      {kRun, "Run", {"2025-03-04"}}, {kRead, "Read", {}}, {kRun, "Run again", {}}};
  storeHabits(habits);
  ExtrasStore::toggleHabitToday(kRun, kWednesday);
  auto expected = habits;
  expected[0].checkins.insert("2025-03-05");
  EXPECT_EQ(ExtrasStore::habits(), expected);
  ExtrasStore::toggleHabitToday(kRun, kWednesday);
  EXPECT_EQ(ExtrasStore::habits(), habits);
  const std::string odd =
      R"([ {"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Run","checkins":[]} ])";
  ASSERT_TRUE(SharedSuite::writeData(ExtrasStore::habitsKey, odd));
  ExtrasStore::toggleHabitToday(unknown, kWednesday);
  EXPECT_EQ(SharedSuite::readData(ExtrasStore::habitsKey), odd);
}

TEST(ReloadKinds, ReloadsEachKindInOrderThenNotifiesOnceEvenForNone) {
  test::ReloadLog log;
  reloadKinds({"zavel.notes.deck", "zavel.notes.pinned"});
  reloadKinds({});
  auto expected = test::reloadedAndNotified({"zavel.notes.deck", "zavel.notes.pinned"});
  expected.push_back(test::reloadedAndNotified({}).at(0));
  EXPECT_EQ(log.events(), expected);
}

} // namespace
} // namespace zavel
