#pragma once

#include "Shared/Data/ExtraModels/DaylightInfo.h"
#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Date.h"
#include "kit/ui/View.h"

namespace zavel {

// The day at a place as a band from sunrise to sunset: the place and the day's length on top,
// the sun on its arc where `date` falls in the day, and the two times in the place's zone below.
// A day whose sunset does not come after its sunrise shows the built-in sample day instead, as
// when the sun does not rise or set at all.
struct DaylightView {
  kit::foundation::Date date; // the entry's moment
  DaylightInfo data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
