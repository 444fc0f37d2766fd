#include "Widgets/HealthWidgets/BatteryRingProvider.h"

#include "Shared/Data/PowerSource/PowerSource.h"

namespace zavel {

LocalProvider<PowerSnapshot> BatteryRingProvider(const HealthEnvironment &environment) {
  PowerSource::Environment power{environment.root, environment.home, environment.clock};
  return {.sample = PowerSnapshot::sample(),
          .live = [power] { return PowerSource::snapshot(power); },
          .refreshMinutes = 15,
          .clock = environment.clock};
}

} // namespace zavel
