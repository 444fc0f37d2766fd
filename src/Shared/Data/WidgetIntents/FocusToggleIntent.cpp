#include "Shared/Data/WidgetIntents/FocusToggleIntent.h"

#include "Shared/Data/ExtraModels/FocusSession.h"
#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"

namespace zavel {

kit::intents::IntentResult
FocusToggleIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    using namespace ExtrasStore;
    auto toggle = [&](std::optional<FocusSession> &stored) {
      FocusSession &focus = stored ? *stored : stored.emplace();
      bool running = focus.endDate && *focus.endDate > environment.clock.now();
      if (running) {
        focus.endDate.reset();
      } else {
        // In seconds as a double: no length overflows, and one of 0 or less ends at once.
        double length = static_cast<double>(focus.minutes) * 60;
        focus.endDate = environment.clock.now().addingTimeInterval(length);
      }
      return true;
    };
    updateRecord<FocusSession>(focusKey, toggle, environment.home);
    reloadKinds({"zavel.focus.timer"});
  });
}

} // namespace zavel
