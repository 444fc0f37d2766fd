#pragma once

#include "Shared/Data/Models/PowerSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The computer and up to two accessories as charge bars; a battery at 20 % or less is drawn in the
// accent colour.
struct DevicesView {
  PowerSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
