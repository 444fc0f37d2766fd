#pragma once

#include "Shared/Data/NotesStore.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// The first two pinned notes on chip cards, or the first two notes when none is pinned.
struct PinnedNotesView {
  std::vector<NoteItem> data; // newest edit first
  ZCtx ctx;

  kit::ui::View body() const;

  // One note's card: its first line, up to two lines of the rest, and when it was edited.
  kit::ui::View card(const NoteItem &note) const;
};

} // namespace zavel
