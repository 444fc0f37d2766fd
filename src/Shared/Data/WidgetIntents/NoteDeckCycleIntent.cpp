#include "Shared/Data/WidgetIntents/NoteDeckCycleIntent.h"

#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"
#include "Shared/Data/NotesStore.h"
#include "Shared/Data/WidgetIntents/NoteDeckKinds.h"

namespace zavel {

kit::intents::IntentResult
NoteDeckCycleIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    auto count = static_cast<int64_t>(NotesStore::latest(environment.home).size());
    DeckState::cycleNoteIndex(step, count, environment.home);
    reloadKinds(noteDeckKinds);
  });
}

} // namespace zavel
