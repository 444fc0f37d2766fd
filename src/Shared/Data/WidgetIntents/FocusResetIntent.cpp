#include "Shared/Data/WidgetIntents/FocusResetIntent.h"

#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
FocusResetIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    using namespace ExtrasStore;
    auto reset = [](std::optional<FocusSession> &stored) {
      (stored ? *stored : stored.emplace()).endDate.reset();
      return true;
    };
    updateRecord<FocusSession>(focusKey, reset, environment.home);
    reloadKinds({"zavel.focus.timer"});
  });
}

} // namespace zavel
