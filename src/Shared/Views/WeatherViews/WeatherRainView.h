#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Views/WidgetContext.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

#include <set>
#include <string>
#include <vector>

namespace zavel {

// The medium Rain Radar face: the chance of rain over the next twelve hours as twelve bars
// stretched over the hours known, the two highest lit in the accent, the hour labels beneath and
// the highest chance as a percentage.
struct WeatherRainView {
  WeatherSnapshot data;
  ZCtx ctx;

  kit::ui::View body() const;

private:
  struct BarStyle {
    kit::ui::Color color;
    double opacity = 1;
  };

  std::vector<double> bars() const;
  std::set<std::size_t> peakIndices() const;
  std::vector<std::string> axisLabels() const;
  BarStyle barStyle(double value, std::size_t index) const;
  std::string percentText() const;
  kit::ui::View barChart() const;
};

} // namespace zavel
