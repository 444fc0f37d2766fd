#include "Widgets/NotesWidgets/NotesProvider.h"

#include "Widgets/NotesWidgets/NotesSample.h"

namespace zavel {

LocalProvider<std::vector<NoteItem>> NotesProvider(kit::foundation::Clock clock) {
  return {
      .sample = notesSample(clock),
      .live = [] { return NotesStore::latest(); },
      .refreshMinutes = 15,
      .clock = std::move(clock),
  };
}

} // namespace zavel
