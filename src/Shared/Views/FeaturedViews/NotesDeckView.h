#pragma once

#include "Shared/Data/ExtraModels/NotesDeckData.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The notes deck: one note on the screen (its first line as the title, up to four more lines
// below), keys stepping up and down the list, and the PIN key.
struct NotesDeckView {
  NotesDeckData data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
