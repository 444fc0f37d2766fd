#include "Shared/Data/WidgetIntents/FocusResetIntent.h"

#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
FocusResetIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    using namespace ExtrasStore;
    auto focus = read<FocusSession>(focusKey, environment.home).value_or(FocusSession{});
    focus.endDate.reset();
    write(focusKey, focus, environment.home);
    reloadKinds({"zavel.focus.timer"});
  });
}

} // namespace zavel
