#pragma once

#include "Shared/Data/Models/PowerSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The computer's charge as a ring in the accent colour around the percentage, under the name of
// the first battery listed.
struct BatteryRingView {
  PowerSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
