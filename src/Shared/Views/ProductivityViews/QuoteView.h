#pragma once

#include "Shared/Data/ExtraModels/QuoteItem.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The quotation of the day under a big opening mark, its author at the foot of the screen.
struct QuoteView {
  QuoteItem data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
