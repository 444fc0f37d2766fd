#pragma once

#include "Shared/Data/ExtraModels/CountdownData.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The days left until the configured date under its title, counted on the day of rendering.
struct CountdownView {
  CountdownData data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
