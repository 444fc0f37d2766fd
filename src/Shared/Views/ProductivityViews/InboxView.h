#pragma once

#include "Shared/Data/ExtraModels/InboxSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <string>
#include <vector>

namespace zavel {

// Unread mail in big numerals, with a line or two about the latest mail at the bottom.
struct InboxView {
  InboxSnapshot data;
  ZCtx ctx;

  // The lines at the bottom: the first two non-empty lines of the preview, "All caught up" when
  // there are none, or the hint to turn mail on when it is not connected.
  std::vector<std::string> senderLines() const;
  kit::ui::View body() const;
};

} // namespace zavel
