#include "Shared/Data/WidgetIntents/NoteDeckPinIntent.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/DeckState.h"
#include "Shared/Data/ExtrasStores/ReloadKinds.h"
#include "Shared/Data/NotesStore.h"
#include "Shared/Data/WidgetIntents/NoteDeckKinds.h"

namespace zavel {

kit::intents::IntentResult
NoteDeckPinIntent::perform(const ActionEnvironment &environment) const noexcept {
  return performQuietly([&] {
    auto notes = NotesStore::latest(environment.home);
    if (notes.empty())
      return;
    auto position =
        shownIndex(DeckState::noteIndex(environment.home), static_cast<int64_t>(notes.size()));
    NotesStore::togglePin(notes[static_cast<size_t>(position)].id, environment.home);
    reloadKinds(noteDeckKinds);
  });
}

} // namespace zavel
