#include "Shared/Data/ExtrasStores/ExtrasStore.h"

#include "kit/foundation/Iso8601.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;
using kit::foundation::DefaultsValue;
using kit::foundation::UUID;
using test::ScopedLocaleAndZone;
using test::TempHome;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

const char *kRun = "0F8FAD5B-D9CB-469F-A165-70867728950E";
const char *kRead = "7C9E6679-7425-40DE-944B-E07FC1F90AE7";

Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }
Clock clockAt(const char *iso) { return Clock::fixed(at(iso)); }

// A Wednesday, 10:00 in Berlin.
const Clock kWednesday = clockAt("2025-03-05T10:00:00+01:00");

class ExtrasStoreTest : public ::testing::Test {
protected:
  TempHome home;
  ScopedLocaleAndZone locale{"en_GB.UTF-8", "Europe/Berlin"};

  static void store(std::string_view key, const DefaultsValue &value) {
    ASSERT_TRUE(SharedSuite::open().set(key, value));
  }
  static std::optional<DefaultsValue> stored(std::string_view key) {
    return SharedSuite::open().object(key);
  }
  static void storeHabits(const std::string &json) {
    ASSERT_TRUE(SharedSuite::writeData(ExtrasStore::habitsKey, json));
  }
  static std::set<std::string> checkinsOf(const char *id) {
    for (const auto &habit : ExtrasStore::habits())
      if (habit.id == *UUID::fromString(id))
        return habit.checkins;
    return {};
  }
};

TEST_F(ExtrasStoreTest, CountersKeepOneValueForEachLocalDay) {
  store("zavel.counter.water.2025-03-04", int64_t{6});
  ExtrasStore::addToCounter("water", 1, kWednesday);
  EXPECT_EQ(stored("zavel.counter.water.2025-03-05"), DefaultsValue(int64_t{1}));
  EXPECT_EQ(stored("zavel.counter.water.2025-03-04"), DefaultsValue(int64_t{6}));
  EXPECT_EQ(ExtrasStore::counter("water", 8, kWednesday), (CounterSnapshot{1, 8}));
  // 23:30 in Berlin is still Wednesday; 00:30 is Thursday, whatever UTC says.
  EXPECT_EQ(ExtrasStore::counter("water", 8, clockAt("2025-03-05T22:30:00Z")).value, 1);
  EXPECT_EQ(ExtrasStore::counter("water", 8, clockAt("2025-03-05T23:30:00Z")).value, 0);
  EXPECT_EQ(ExtrasStore::counter("steps", -5, kWednesday), (CounterSnapshot{0, -5}));
}

TEST_F(ExtrasStoreTest, CounterSumsStayWithinZeroAndTheLargestValue) {
  struct Case {
    std::optional<int64_t> stored;
    int64_t amount;
    int64_t result;
  };
  const Case cases[] = {
      {300, -500, 0},         {std::nullopt, 0, 0}, {1500, -2000, 0}, {kMax, 5, kMax},
      {kMax - 1, kMax, kMax}, {kMin, -1, 0},        {-40, 50, 10},    {0, kMin, 0},
  };
  for (const auto &c : cases) {
    SharedSuite::open().removeObject("zavel.counter.steps.2025-03-05");
    if (c.stored)
      store("zavel.counter.steps.2025-03-05", *c.stored);
    ExtrasStore::addToCounter("steps", c.amount, kWednesday);
    EXPECT_EQ(stored("zavel.counter.steps.2025-03-05"), DefaultsValue(c.result))
        << c.stored.value_or(-1) << " + " << c.amount;
  }
}

TEST_F(ExtrasStoreTest, DayKeysFollowTheLocalesCalendar) {
  ScopedLocaleAndZone thai("th_TH.UTF-8", "Asia/Bangkok");
  ExtrasStore::addToCounter("water", 2, kWednesday);
  EXPECT_EQ(stored("zavel.counter.water.2568-03-05"), DefaultsValue(int64_t{2}));
  EXPECT_EQ(ExtrasStore::dayFormat()->string(at("2025-03-05T10:00:00Z")), "2568-03-05");
}

TEST_F(ExtrasStoreTest, GoalsBelowOneReadAsTheDefaults) {
  EXPECT_EQ(ExtrasStore::waterGoal(), 8);
  EXPECT_EQ(ExtrasStore::stepsGoal(), 10000);
  struct Case {
    DefaultsValue stored;
    int64_t water, steps;
  };
  const Case cases[] = {{int64_t{0}, 8, 10000},       {int64_t{-3}, 8, 10000},
                        {int64_t{12}, 12, 12},        {int64_t{7500}, 7500, 7500},
                        {std::string("x"), 8, 10000}, {std::string("9"), 9, 9}};
  for (const auto &c : cases) {
    store(ExtrasStore::waterGoalKey, c.stored);
    store(ExtrasStore::stepsGoalKey, c.stored);
    EXPECT_EQ(ExtrasStore::waterGoal(), c.water);
    EXPECT_EQ(ExtrasStore::stepsGoal(), c.steps);
  }
}

TEST_F(ExtrasStoreTest, HabitWeekCountsMondayToSundayOfTheCurrentWeek) {
  // Check-ins from Sunday 2 March (last week) to Monday 10 March (next week).
  storeHabits(std::string(R"([{"id":")") + kRun +
              R"(","name":"Run","checkins":["2025-03-02","2025-03-03","2025-03-05","2025-03-05",
                 "2025-03-09","2025-03-10"]},
               {"id":")" +
              kRead + R"(","name":"Read","checkins":["2025-02-26","2025-03-01"]}])");
  struct Case {
    const char *now;
    int64_t run, read;
  };
  const Case cases[] = {
      {"2025-03-03T00:00:00+01:00", 3, 0}, // Monday: later days of the week count already
      {"2025-03-09T23:59:59+01:00", 3, 0}, // Sunday: back to Monday the 3rd
      {"2025-03-02T12:00:00+01:00", 1, 2}, // the Sunday before
      {"2025-03-10T08:00:00+01:00", 1, 0},
  };
  for (const auto &c : cases) {
    auto rows = ExtrasStore::habitWeek(clockAt(c.now));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (HabitWeekRow{*UUID::fromString(kRun), "Run", c.run, 7})) << c.now;
    EXPECT_EQ(rows[1], (HabitWeekRow{*UUID::fromString(kRead), "Read", c.read, 7})) << c.now;
  }
}

TEST_F(ExtrasStoreTest, HabitWeekRunsOverTheTurnOfTheYear) {
  storeHabits(
      std::string(R"([{"id":")") + kRun +
      R"(","name":"Run","checkins":["2024-12-29","2024-12-30","2025-01-05","2025-01-06"]}])");
  auto rows = ExtrasStore::habitWeek(clockAt("2025-01-01T12:00:00+01:00"));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].done, 2);
}

TEST_F(ExtrasStoreTest, NoReadableHabitListGivesTheSamples) {
  for (const char *json : {"", R"([{"id":"nope","name":"Run","checkins":[]}])", "{}"}) {
    if (*json)
      storeHabits(json);
    auto rows = ExtrasStore::habitWeek(kWednesday);
    ASSERT_EQ(rows.size(), 3u) << json;
    EXPECT_EQ(rows[0].name, "Run");
    EXPECT_EQ(rows[1].name, "Read");
    EXPECT_EQ(rows[2].name, "No sugar");
    for (const auto &row : rows) {
      EXPECT_EQ(row.done, 0);
      EXPECT_EQ(row.total, 7);
    }
  }
  storeHabits("[]");
  EXPECT_TRUE(ExtrasStore::habitWeek(kWednesday).empty());
}

TEST_F(ExtrasStoreTest, ToggleChecksInAndOutOnlyThatHabitToday) {
  storeHabits(std::string(R"([{"id":")") + kRun + R"(","name":"Run","checkins":["2025-03-04"]},
               {"id":")" +
              kRead + R"(","name":"Read","checkins":[]},
               {"id":")" +
              kRun + R"(","name":"Run again","checkins":[]}])");
  ExtrasStore::toggleHabitToday(*UUID::fromString(kRun), kWednesday);
  EXPECT_EQ(checkinsOf(kRun), (std::set<std::string>{"2025-03-04", "2025-03-05"}));
  EXPECT_TRUE(checkinsOf(kRead).empty());
  auto habits = ExtrasStore::habits();
  ASSERT_EQ(habits.size(), 3u);
  EXPECT_EQ(habits[1].name, "Read");
  EXPECT_TRUE(habits[2].checkins.empty()); // only the first habit with the id
  ExtrasStore::toggleHabitToday(*UUID::fromString(kRun), kWednesday);
  EXPECT_EQ(checkinsOf(kRun), std::set<std::string>{"2025-03-04"});
}

TEST_F(ExtrasStoreTest, ToggleOfAnUnknownHabitWritesNothing) {
  auto unknown = *UUID::fromString("E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
  ExtrasStore::toggleHabitToday(unknown, kWednesday);
  EXPECT_FALSE(stored(ExtrasStore::habitsKey));
  const std::string odd = std::string(R"([ {"id":")") + kRun + R"(","name":"Run","checkins":[]} ])";
  storeHabits(odd);
  ExtrasStore::toggleHabitToday(unknown, kWednesday);
  EXPECT_EQ(SharedSuite::readData(ExtrasStore::habitsKey), odd);
}

TEST_F(ExtrasStoreTest, CheckInOnASampleHabitStoresTheSamples) {
  const auto &samples = HabitItem::samples();
  ExtrasStore::toggleHabitToday(samples[1].id, kWednesday);
  auto stored = SharedSuite::read<std::vector<HabitItem>>(ExtrasStore::habitsKey);
  ASSERT_TRUE(stored);
  auto expected = samples;
  expected[1].checkins.insert("2025-03-05");
  EXPECT_EQ(*stored, expected);
}

} // namespace
} // namespace zavel
