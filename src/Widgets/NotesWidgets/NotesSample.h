#pragma once

#include "Shared/Data/NotesStore.h"
#include "kit/foundation/Calendar.h"
#include "kit/foundation/Clock.h"

#include <vector>

namespace zavel {

// Seven notes over five days, newest first, the fourth and fifth pinned, each with a fresh id;
// the three of today carry fixed times of day, which may lie later than the clock's reading.
std::vector<NoteItem>
buildNotesSample(const kit::foundation::Clock &clock,
                 const kit::foundation::Calendar &calendar = kit::foundation::Calendar::current());

// What the gallery and placeholders show: the notes above, built on first use from `clock` and
// kept for the life of the process, whatever later clocks say.
const std::vector<NoteItem> &notesSample(const kit::foundation::Clock &clock = {});

} // namespace zavel
