#pragma once

#include "Shared/Data/ExtraModels/CounterSnapshot.h"
#include "Shared/Data/ExtraModels/HabitWeekRow.h"
#include "Widgets/HealthWidgets/BatteryRingProvider.h"
#include "Widgets/HealthWidgets/HealthEnvironment.h"
#include "Widgets/HealthWidgets/ScreenUsageProvider.h"
#include "Widgets/Shell/LocalProvider.h"
#include "Widgets/Shell/ZavelWidget.h"

#include <vector>

namespace zavel {

using CounterEntry = ZavelEntry<CounterSnapshot>;
using HabitsEntry = ZavelEntry<std::vector<HabitWeekRow>>;

// The health family, in gallery order; each reads where `environment` says.
ZavelWidget<LocalProvider<PowerSnapshot>>
BatteryRingWidget(const HealthEnvironment &environment = {});
ZavelWidget<ScreenUsageProvider> ScreenOrbitWidget(const HealthEnvironment &environment = {});
ZavelWidget<ScreenUsageProvider> ScreenElapsedWidget(const HealthEnvironment &environment = {});
ZavelWidget<LocalProvider<CounterSnapshot>> StepsWidget(const HealthEnvironment &environment = {});
ZavelWidget<LocalProvider<CounterSnapshot>> WaterWidget(const HealthEnvironment &environment = {});
ZavelWidget<LocalProvider<std::vector<HabitWeekRow>>>
HabitsWidget(const HealthEnvironment &environment = {});
ZavelWidget<ScreenUsageProvider> ScreenWeeklyWidget(const HealthEnvironment &environment = {});
ZavelWidget<ScreenUsageProvider> TopAppsWidget(const HealthEnvironment &environment = {});

} // namespace zavel
