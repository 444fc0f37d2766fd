#pragma once

#include "Shared/Data/Models/PowerSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The screen split in two equal halves: a lit one carrying the charge, a dark one saying whether
// the computer charges and how long it lasts.
struct LightPillView {
  PowerSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
