#pragma once

#include "Shared/Data/NotesStore.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// The newest note on a small screen, cut after four lines, with the day it was edited.
struct SingleNoteView {
  std::vector<NoteItem> data; // newest edit first
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
