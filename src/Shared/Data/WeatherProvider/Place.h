#pragma once

#include "kit/foundation/JsonCoding.h"

#include <cmath>
#include <cstddef>
#include <functional>
#include <string>
#include <tuple>

namespace zavel::WeatherProvider {

// A place whose weather is asked for: what the widgets call it and where it lies, in degrees
// (north and east positive).
struct Place {
  std::string name;
  double latitude = 0;
  double longitude = 0;

  bool operator==(const Place &) const = default;

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("name", &Place::name), field("latitude", &Place::latitude),
                      field("longitude", &Place::longitude)};
  }
};

// Whether the coordinates name a point on Earth. No weather is asked, cached or stored for any
// other place.
inline bool hasValidCoordinates(const Place &place) {
  return std::isfinite(place.latitude) && std::isfinite(place.longitude) &&
         std::fabs(place.latitude) <= 90 && std::fabs(place.longitude) <= 180;
}

// What a place that cannot be read, or not yet found, stands in for.
inline Place fallbackPlace() { return {"London", 51.5072, -0.1276}; }

} // namespace zavel::WeatherProvider

template <> struct std::hash<zavel::WeatherProvider::Place> {
  std::size_t operator()(const zavel::WeatherProvider::Place &place) const noexcept {
    std::size_t seed = std::hash<std::string>{}(place.name);
    for (double coordinate : {place.latitude, place.longitude})
      seed ^= std::hash<double>{}(coordinate) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
  }
};
