#pragma once

#include "Shared/Views/FeaturedViews/WeatherDeckData.h"
#include "Shared/Views/WidgetContext.h"
#include "kit/ui/View.h"

namespace zavel {

// The weather deck: one of four screens (home, today, week, saved locations) beside a rail of
// keys that switch between them. Today's weekday is the one at the moment of rendering, in the
// device's language and zone.
struct WeatherDeckView {
  WeatherDeckData data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
