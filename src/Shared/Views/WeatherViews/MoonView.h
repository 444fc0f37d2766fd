#pragma once

#include "Shared/Data/ExtraModels/MoonInfo.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// Tonight's moon: a lit disc with a shadow slid across it by the lit share, the phase's name and
// the days to the next full or new moon.
struct MoonView {
  MoonInfo data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
