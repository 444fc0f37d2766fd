#pragma once

#include "Shared/Data/Models/WeatherSnapshot.h"
#include "Shared/Views/ViewTesting.h"

#include <string>

namespace zavel::testing {

// A snapshot with only the figures the faces read set.
inline WeatherSnapshot weather(std::string place, int64_t temperature, int64_t high, int64_t low) {
  WeatherSnapshot snapshot;
  snapshot.place = std::move(place);
  snapshot.temperature = snapshot.feelsLike = temperature;
  snapshot.high = high;
  snapshot.low = low;
  snapshot.condition = "Partly cloudy";
  return snapshot;
}

} // namespace zavel::testing
