#pragma once

#include "Shared/Data/Models/UsageSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The day's three most used apps, each with a bar against the most used one and its time.
struct TopAppsView {
  UsageSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
