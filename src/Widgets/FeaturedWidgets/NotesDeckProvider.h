#pragma once

#include "Shared/Data/ExtraModels/NotesDeckData.h"
#include "Widgets/Shell/LocalProvider.h"

#include "kit/foundation/Clock.h"
#include "kit/foundation/ZavelHome.h"

#include <filesystem>

namespace zavel {

using NotesDeckEntry = ZavelEntry<NotesDeckData>;

// The note list, newest edit first, and the stored deck position, lowered to the last note when
// it lies past the end (the view brings a negative one up to the first).
NotesDeckData liveNotesDeck(const std::filesystem::path &home = kit::foundation::zavelHome());

// The notes deck's provider: the live deck, asked for again after 15 minutes.
LocalProvider<NotesDeckData>
NotesDeckProvider(const std::filesystem::path &home = kit::foundation::zavelHome(),
                  kit::foundation::Clock clock = {});

} // namespace zavel
