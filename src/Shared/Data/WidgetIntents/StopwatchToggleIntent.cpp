#include "Shared/Data/WidgetIntents/StopwatchToggleIntent.h"

#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
StopwatchToggleIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    using namespace ExtrasStore;
    auto toggle = [&](std::optional<StopwatchState> &stored) {
      StopwatchState &state = stored ? *stored : stored.emplace();
      auto now = environment.clock.now();
      if (state.startDate) {
        state.laps.push_back(now.timeIntervalSince(*state.startDate));
      } else {
        state.startDate = now;
        state.laps.clear();
      }
      return true;
    };
    updateRecord<StopwatchState>(stopwatchKey, toggle, environment.home);
    reloadKinds({"zavel.stopwatch"});
  });
}

} // namespace zavel
