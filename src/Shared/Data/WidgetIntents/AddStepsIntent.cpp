#include "Shared/Data/WidgetIntents/AddStepsIntent.h"

#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
AddStepsIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    ExtrasStore::addToCounter("steps", steps, environment.clock, environment.home);
    reloadKinds({"zavel.steps"});
  });
}

} // namespace zavel
