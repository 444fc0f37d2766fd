#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The medium Rain Radar face: the chance of rain over the next twelve hours as twelve bars
// stretched over the hours known, the two highest lit in the accent, the hour labels beneath and
// the highest chance as a percentage.
struct WeatherRainView {
  WeatherSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
