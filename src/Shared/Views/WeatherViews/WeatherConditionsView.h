#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The small Conditions face: the place, the temperature now, the sky, and the day's high and
// low. Temperatures are already in the unit to show.
struct WeatherConditionsView {
  WeatherSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
