#pragma once

#include "Shared/Data/ExtraModels/SystemGauges.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Processor, memory, graphics and storage as four bars; the highest reading, and every one tied
// with it, is lit in the accent colour. A figure the machine does not give shows "—".
struct SystemGaugesView {
  SystemGauges data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
