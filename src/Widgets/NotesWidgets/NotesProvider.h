#pragma once

#include "Shared/Data/NotesStore.h"
#include "Widgets/Shell/LocalProvider.h"

#include "kit/foundation/Clock.h"

#include <vector>

namespace zavel {

using NotesEntry = ZavelEntry<std::vector<NoteItem>>;

// The one provider of the four note widgets: the note list of the app-group container, newest
// edit first (empty when it cannot be read), asked for again 15 minutes later; the sample notes
// in the gallery.
LocalProvider<std::vector<NoteItem>> NotesProvider(kit::foundation::Clock clock = {});

} // namespace zavel
