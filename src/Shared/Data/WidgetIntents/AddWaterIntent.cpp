#include "Shared/Data/WidgetIntents/AddWaterIntent.h"

#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
AddWaterIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    ExtrasStore::addToCounter("water", 1, environment.clock, environment.home);
    reloadKinds({"zavel.water"});
  });
}

} // namespace zavel
