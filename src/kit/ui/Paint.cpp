#include "kit/ui/Paint.h"

#include <algorithm>
#include <cmath>

namespace kit::ui {

Gradient::Gradient(std::vector<Color> colors) {
  stops.reserve(colors.size());
  for (std::size_t i = 0; i < colors.size(); ++i) {
    double location = colors.size() > 1 ? double(i) / double(colors.size() - 1) : 0;
    stops.push_back({colors[i], location});
  }
}

std::vector<Gradient::Stop> Gradient::normalizedStops() const {
  std::vector<Stop> result;
  result.reserve(stops.size());
  for (const Stop &stop : stops) {
    if (std::isfinite(stop.location))
      result.push_back({stop.color.clamped(), std::clamp(stop.location, 0.0, 1.0)});
  }
  std::stable_sort(result.begin(), result.end(),
                   [](const Stop &a, const Stop &b) { return a.location < b.location; });
  return result;
}

} // namespace kit::ui
