#pragma once

#include "Shared/Data/NotesStore.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// The newest note in large type, cut after three lines, with the time of day it was edited.
struct QuickNoteView {
  std::vector<NoteItem> data; // newest edit first
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
