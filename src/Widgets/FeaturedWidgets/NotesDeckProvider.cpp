#include "Widgets/FeaturedWidgets/NotesDeckProvider.h"

#include "Shared/Data/DeckState.h"

#include <algorithm>

namespace zavel {

NotesDeckData liveNotesDeck(const std::filesystem::path &home) {
  NotesDeckData deck{NotesStore::latest(home), 0};
  if (!deck.notes.empty())
    deck.index = std::min(static_cast<int64_t>(deck.notes.size()) - 1, DeckState::noteIndex(home));
  return deck;
}

LocalProvider<NotesDeckData> NotesDeckProvider(const std::filesystem::path &home,
                                               kit::foundation::Clock clock) {
  return {.sample = NotesDeckData::sample(),
          .live = [home] { return liveNotesDeck(home); },
          .refreshMinutes = 15,
          .clock = std::move(clock)};
}

} // namespace zavel
