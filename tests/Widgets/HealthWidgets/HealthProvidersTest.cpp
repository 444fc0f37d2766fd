#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/SharedSuite.h"
#include "Shared/Data/UsageLog.h"
#include "Widgets/HealthWidgets/HealthWidgets.h"
#include "kit/foundation/Calendar.h"
#include "support/FakeMachine.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Clock;
using kit::foundation::Date;
using kit::widgets::ReloadPolicy;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetFamily;

const TimelineContext onScreen = TimelineContext::of(WidgetFamily::systemSmall);
const TimelineContext inGallery = TimelineContext::of(WidgetFamily::systemSmall, true);
const CasingConfigIntent cream{CasingOption::cream};

// A machine with an empty app group, in Oslo, at 10:15 on Wednesday 4 March 2026.
class HealthProviders : public ::testing::Test {
protected:
  HealthEnvironment environment() const {
    return {.root = machine.root(), .home = machine.home(), .clock = Clock::fixed(now)};
  }
  void storeInteger(std::string_view key, int64_t value) const {
    ASSERT_TRUE(SharedSuite::open(machine.home()).set(key, value));
  }
  ReloadPolicy reloadAfter(int minutes) const {
    return ReloadPolicy::after(now.addingTimeInterval(minutes * 60.0));
  }

  test::ScopedLocaleAndZone oslo{"en_US", "Europe/Oslo"};
  test::FakeMachine machine;
  const Date now = kit::foundation::Calendar::current().date(2026, 3, 4, 10, 15);
};

TEST_F(HealthProviders, BudgetIsTheStoredMinutesWhenAboveNoneElseEightHours) {
  ScreenUsageProvider provider = ScreenOrbitWidget(environment()).provider;
  struct Case {
    const char *name;
    std::optional<int64_t> stored;
    int64_t budget = 0;
  };
  for (const Case &c : {Case{.name = "absent", .stored = std::nullopt, .budget = 480},
                        Case{.name = "zero", .stored = 0, .budget = 480},
                        Case{.name = "negative", .stored = -30, .budget = 480},
                        Case{.name = "one minute", .stored = 1, .budget = 1},
                        Case{.name = "three hours", .stored = 180, .budget = 180}}) {
    if (c.stored) {
      storeInteger(ScreenUsageProvider::budgetKey, *c.stored);
    }
    EXPECT_EQ(provider.budget(), c.budget) << c.name;
  }
}

TEST_F(HealthProviders, ScreenTimeShowsNoneUsedInTimelinesButTheSampleInSnapshotsWithoutALog) {
  storeInteger(ScreenUsageProvider::budgetKey, 200);
  ScreenUsageProvider provider = TopAppsWidget(environment()).provider;
  const UsageSnapshot &sample = UsageSnapshot::sample();
  EXPECT_EQ(provider.placeholder(onScreen), (UsageEntry{now, sample, CasingOption::followApp}));
  EXPECT_EQ(provider.snapshot(cream, inGallery), (UsageEntry{now, sample, CasingOption::cream}));
  EXPECT_EQ(provider.snapshot(cream, onScreen), (UsageEntry{now, sample, CasingOption::cream}));
  for (const TimelineContext &context : {onScreen, inGallery}) {
    kit::widgets::Timeline<UsageEntry> timeline = provider.timeline(cream, context);
    EXPECT_EQ(timeline.entries,
              (std::vector<UsageEntry>{{now, {0, 200, {}, {}}, CasingOption::cream}}));
    EXPECT_EQ(timeline.policy, reloadAfter(10));
  }
}

TEST_F(HealthProviders, ScreenTimeFromTheLogAgainstTheBudgetOnScreenAndTheSampleInTheGallery) {
  ASSERT_TRUE(SharedSuite::writeData(
      UsageLog::key, R"({"days":{"2026-03-04":{"Figma":3600,"Mail":600}}})", machine.home()));
  ScreenUsageProvider provider = ScreenWeeklyWidget(environment()).provider;
  auto live = UsageLog::snapshot(480, Clock::fixed(now), machine.home());
  ASSERT_TRUE(live);
  EXPECT_EQ(live->totalMinutes, 70);
  EXPECT_EQ(provider.snapshot(cream, onScreen).data, *live);
  EXPECT_EQ(provider.snapshot(cream, inGallery).data, UsageSnapshot::sample());
  EXPECT_EQ(provider.timeline(cream, inGallery).entries,
            (std::vector<UsageEntry>{{now, *live, CasingOption::cream}}));
}

using CounterWidget = ZavelWidget<LocalProvider<CounterSnapshot>>;

TEST_F(HealthProviders, CountersReadTheirGoalAndTodaysCountEveryHalfHour) {
  struct Case {
    const char *name;
    CounterWidget (*widget)(const HealthEnvironment &);
    const char *counter;
    std::string_view goalKey;
    std::optional<int64_t> goal;
    CounterSnapshot sample, live;
  };
  for (const Case &c : {
           Case{.name = "steps without a goal",
          .widget = StepsWidget,
          .counter = "steps",
          .goalKey = ExtrasStore::stepsGoalKey,
          .goal = std::nullopt,
          .sample = {8214, 10000},
          .live = {3000, 10000}},
           Case{.name = "steps with a goal",
           .widget = StepsWidget,
           .counter = "steps",
           .goalKey = ExtrasStore::stepsGoalKey,
           .goal = 6000,
           .sample = {8214, 10000},
           .live = {3000, 6000}},
           Case{.name = "water with a goal of none",
           .widget = WaterWidget,
           .counter = "water",
           .goalKey = ExtrasStore::waterGoalKey,
           .goal = 0,
           .sample = {5, 8},
           .live = {3, 8}},
           Case{.name = "water with a goal",
           .widget = WaterWidget,
           .counter = "water",
           .goalKey = ExtrasStore::waterGoalKey,
           .goal = 12,
           .sample = {5, 8},
           .live = {3, 12}},
       }) {
    SCOPED_TRACE(c.name);
    test::FakeMachine fresh;
    auto provider = c.widget({.home = fresh.home(), .clock = Clock::fixed(now)}).provider;
    if (c.goal) {
      ASSERT_TRUE(SharedSuite::open(fresh.home()).set(c.goalKey, *c.goal));
    }
    ExtrasStore::addToCounter(c.counter, c.live.value, Clock::fixed(now), fresh.home());
    EXPECT_EQ(provider.snapshot(cream, inGallery).data, c.sample);
    EXPECT_EQ(provider.placeholder(onScreen).data, c.sample);
    auto timeline = provider.timeline(cream, inGallery);
    EXPECT_EQ(timeline.entries, (std::vector<CounterEntry>{{now, c.live, CasingOption::cream}}));
    EXPECT_EQ(timeline.policy, reloadAfter(30));
  }
}

TEST_F(HealthProviders, HabitsReadThisWeeksCheckInsEveryHour) {
  auto provider = HabitsWidget(environment()).provider;
  EXPECT_EQ(provider.snapshot(cream, inGallery).data, HabitWeekRow::samples());
  // Nothing stored: the sample habits, none checked in yet.
  const std::vector<HabitItem> &habits = HabitItem::samples();
  auto timeline = provider.timeline(cream, onScreen);
  ASSERT_EQ(timeline.entries.size(), 1u);
  EXPECT_EQ(timeline.entries[0].data,
            (std::vector<HabitWeekRow>{{habits[0].id, "Run", 0, 7},
                                       {habits[1].id, "Read", 0, 7},
                                       {habits[2].id, "No sugar", 0, 7}}));
  EXPECT_EQ(timeline.policy, reloadAfter(60));
  // Monday and today count; last Sunday belongs to the week before.
  ASSERT_TRUE(ExtrasStore::write(
      ExtrasStore::habitsKey,
      std::vector<HabitItem>{{habits[1].id, "Stretch", {"2026-03-01", "2026-03-02", "2026-03-04"}}},
      machine.home()));
  EXPECT_EQ(provider.timeline(cream, onScreen).entries[0].data,
            (std::vector<HabitWeekRow>{{habits[1].id, "Stretch", 2, 7}}));
}

void addSupply(const test::FakeMachine &machine, const std::string &name,
               std::vector<std::pair<const char *, const char *>> attributes) {
  for (const auto &[file, value] : attributes)
    machine.tree().write("sys/class/power_supply/" + name + "/" + file, std::string(value) + "\n");
}

TEST_F(HealthProviders, BatteryRingReadsThePowerSourceEveryQuarterHour) {
  auto provider = BatteryRingProvider(environment());
  EXPECT_EQ(provider.snapshot(cream, inGallery).data, PowerSnapshot::sample());
  // Without an internal battery, full, named by the accessory listed first.
  addSupply(machine, "hid-01-battery",
            {{"type", "Battery"},
             {"scope", "Device"},
             {"capacity", "40"},
             {"model_name", "Magic Keyboard"}});
  auto timeline = provider.timeline(cream, inGallery);
  ASSERT_EQ(timeline.entries.size(), 1u);
  EXPECT_EQ(timeline.entries[0].data.percent, 100);
  EXPECT_EQ(timeline.entries[0].data.devices,
            (std::vector<PowerSnapshot::Device>{{"Keyboard", 40}}));
  EXPECT_EQ(timeline.policy, reloadAfter(15));
  addSupply(machine, "BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"capacity", "0"}});
  PowerSnapshot empty = provider.snapshot(cream, onScreen).data;
  EXPECT_EQ(std::tuple(empty.percent, empty.devices.front().name), std::tuple(0, "MacBook"));
}

} // namespace
} // namespace zavel
