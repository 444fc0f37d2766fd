#include "Shared/Data/WidgetIntents/HabitToggleIntent.h"

#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"
#include "kit/foundation/UUID.h"

namespace zavel {

kit::intents::IntentResult
HabitToggleIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    auto id = kit::foundation::UUID::fromString(habitID);
    if (!id)
      return;
    ExtrasStore::toggleHabitToday(*id, environment.clock, environment.home);
    reloadKinds({"zavel.habits.week"});
  });
}

} // namespace zavel
