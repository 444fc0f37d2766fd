#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Views/ZCtx.h"
#include "kit/foundation/Clock.h"
#include "kit/ui/View.h"

namespace zavel {

// The medium Forecast face: today's high and the next six days' highs across the screen, under
// the place and the week's extremes. Temperatures are already in the unit to show. Today's
// column is named by the clock's date at the moment of rendering, in the device's locale and
// zone.
struct WeatherForecastView {
  WeatherSnapshot data;
  kit::foundation::Clock clock;
  ZCtx ctx;

  WeatherForecastView(WeatherSnapshot data, ZCtx ctx,
                      kit::foundation::Clock clock = kit::foundation::Clock());

  kit::ui::View body() const;
};

} // namespace zavel
