#pragma once

#include "Shared/Data/Models/PowerSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The battery's charge in big numerals over a bar, with whether it charges or the time left.
struct BatteryMinimalView {
  PowerSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
