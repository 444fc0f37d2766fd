#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <string>

namespace zavel {

// The US air-quality index where the widget looks.
struct AirQualitySnapshot {
  int64_t aqi = 0;
  kit::foundation::Date updated;

  // The index's band: "Good", "Moderate", "Unhealthy for some", "Unhealthy", "Very unhealthy"
  // or "Hazardous".
  std::string category() const;

  static const AirQualitySnapshot &sample();

  bool operator==(const AirQualitySnapshot &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("aqi", &AirQualitySnapshot::aqi),
                      field("updated", &AirQualitySnapshot::updated)};
  }
};

} // namespace zavel
