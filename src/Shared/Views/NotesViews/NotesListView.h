#pragma once

#include "Shared/Data/NotesStore.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// The first line of each of the three newest notes, and how many notes there are.
struct NotesListView {
  std::vector<NoteItem> data; // newest edit first
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
