#include "Widgets/HealthWidgets/HealthWidgets.h"

#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Views/HealthViews/BatteryRingView.h"
#include "Shared/Views/HealthViews/HabitsView.h"
#include "Shared/Views/HealthViews/ScreenElapsedView.h"
#include "Shared/Views/HealthViews/ScreenOrbitView.h"
#include "Shared/Views/HealthViews/ScreenWeeklyView.h"
#include "Shared/Views/HealthViews/StepsView.h"
#include "Shared/Views/HealthViews/TopAppsView.h"
#include "Shared/Views/HealthViews/WaterView.h"

#include <string>

namespace zavel {
namespace {

ScreenUsageProvider usageProvider(const HealthEnvironment &environment) {
  return {{environment.clock, environment.home}};
}

// Today's count of a daily counter against the goal, the goal read first.
LocalProvider<CounterSnapshot> counterProvider(std::string name,
                                               int64_t (*goal)(const std::filesystem::path &),
                                               CounterSnapshot sample,
                                               const HealthEnvironment &environment) {
  return {.sample = sample,
          .live =
              [name, goal, clock = environment.clock, home = environment.home] {
                int64_t target = goal(home);
                return ExtrasStore::counter(name, target, clock, home);
              },
          .refreshMinutes = 30,
          .clock = environment.clock};
}

} // namespace

ZavelWidget<LocalProvider<PowerSnapshot>> BatteryRingWidget(const HealthEnvironment &environment) {
  return {
      .typeName = "BatteryRingWidget",
      .kind = "zavel.battery.ring",
      .size = ZavelSize::s,
      .provider = BatteryRingProvider(environment),
      .face = dataFace<BatteryRingView>(),
      .name = "Ring Orb",
      .description = "MacBook charge as a ring.",
  };
}

ZavelWidget<ScreenUsageProvider> ScreenOrbitWidget(const HealthEnvironment &environment) {
  return {
      .typeName = "ScreenOrbitWidget",
      .kind = "zavel.screentime.orbit",
      .size = ZavelSize::s,
      .provider = usageProvider(environment),
      .face = dataFace<ScreenOrbitView>(),
      .name = "Orbit",
      .description = "Screen time in a dashed orbit; overage burns orange.",
  };
}

ZavelWidget<ScreenUsageProvider> ScreenElapsedWidget(const HealthEnvironment &environment) {
  return {
      .typeName = "ScreenElapsedWidget",
      .kind = "zavel.screentime.elapsed",
      .size = ZavelSize::s,
      .provider = usageProvider(environment),
      .face = dataFace<ScreenElapsedView>(),
      .name = "Elapsed",
      .description = "Your day budget as a burning grid.",
  };
}

ZavelWidget<LocalProvider<CounterSnapshot>> StepsWidget(const HealthEnvironment &environment) {
  return {
      .typeName = "StepsWidget",
      .kind = "zavel.steps",
      .size = ZavelSize::s,
      .provider = counterProvider("steps", ExtrasStore::stepsGoal, {8214, 10000}, environment),
      .face = dataFace<StepsView>(),
      .name = "Steps",
      .description = "Today's steps — tap to log 1,000.",
  };
}

ZavelWidget<LocalProvider<CounterSnapshot>> WaterWidget(const HealthEnvironment &environment) {
  return {
      .typeName = "WaterWidget",
      .kind = "zavel.water",
      .size = ZavelSize::s,
      .provider = counterProvider("water", ExtrasStore::waterGoal, {5, 8}, environment),
      .face = dataFace<WaterView>(),
      .name = "Water",
      .description = "Tap to log a glass.",
  };
}

ZavelWidget<LocalProvider<std::vector<HabitWeekRow>>>
HabitsWidget(const HealthEnvironment &environment) {
  return {
      .typeName = "HabitsWidget",
      .kind = "zavel.habits.week",
      .size = ZavelSize::m,
      .provider = {.sample = HabitWeekRow::samples(),
                   .live = [clock = environment.clock,
                            home =
                                environment.home] { return ExtrasStore::habitWeek(clock, home); },
                   .refreshMinutes = 60,
                   .clock = environment.clock},
      .face = dataFace<HabitsView>(),
      .name = "Habits",
      .description = "This week's check-ins; tap a row for today.",
  };
}

ZavelWidget<ScreenUsageProvider> ScreenWeeklyWidget(const HealthEnvironment &environment) {
  return {
      .typeName = "ScreenWeeklyWidget",
      .kind = "zavel.screentime.weekly",
      .size = ZavelSize::m,
      .provider = usageProvider(environment),
      .face = dataFace<ScreenWeeklyView>(),
      .name = "Weekly",
      .description = "Seven days of screen time, today in accent.",
  };
}

ZavelWidget<ScreenUsageProvider> TopAppsWidget(const HealthEnvironment &environment) {
  return {
      .typeName = "TopAppsWidget",
      .kind = "zavel.screentime.apps",
      .size = ZavelSize::m,
      .provider = usageProvider(environment),
      .face = dataFace<TopAppsView>(),
      .name = "Top Apps",
      .description = "Where the hours actually went.",
  };
}

} // namespace zavel
