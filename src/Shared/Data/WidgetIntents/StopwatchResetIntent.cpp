#include "Shared/Data/WidgetIntents/StopwatchResetIntent.h"

#include "Shared/Data/ExtraModels/StopwatchState.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
StopwatchResetIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    ExtrasStore::write(ExtrasStore::stopwatchKey, StopwatchState{}, environment.home);
    reloadKinds({"zavel.stopwatch"});
  });
}

} // namespace zavel
