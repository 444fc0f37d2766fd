#pragma once

#include "Shared/Data/ExtraModels/WeatherDeckData.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <cstdint>
#include <string>

namespace zavel {

// The weather deck: one of four screens (home, today, week, saved locations) beside a rail of
// keys that switch between them. Today's weekday is the one at the moment of rendering, in the
// device's language and zone.
struct WeatherDeckView {
  // One bar of the home chart; `pct` is its share of the chart's height, 0.34 for the lowest
  // high to 0.80 for the highest.
  struct WeekBar {
    std::string label;
    double pct = 0;
    bool isToday = false;
    bool operator==(const WeekBar &) const = default;
  };

  // One row of the week screen: the day's range on a scale shared by the rows, `start` and
  // `length` fractions of the track (the segment never shorter than 0.1).
  struct WeekRange {
    std::string label;
    int64_t low = 0;
    int64_t high = 0;
    double start = 0;
    double length = 0;
    bool operator==(const WeekRange &) const = default;
  };

  WeatherDeckData data;
  ZCtx ctx;

  kit::ui::View body() const;
};

} // namespace zavel
