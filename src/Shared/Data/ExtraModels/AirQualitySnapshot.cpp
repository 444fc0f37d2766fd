#include "Shared/Data/ExtraModels/AirQualitySnapshot.h"

#include "kit/foundation/Clock.h"

namespace zavel {

std::string AirQualitySnapshot::category() const {
  if (aqi <= 50)
    return "Good";
  if (aqi <= 100)
    return "Moderate";
  if (aqi <= 150)
    return "Unhealthy for some";
  if (aqi <= 200)
    return "Unhealthy";
  if (aqi <= 300)
    return "Very unhealthy";
  return "Hazardous";
}

const AirQualitySnapshot &AirQualitySnapshot::sample() {
  static const AirQualitySnapshot sample{42, kit::foundation::systemNow()};
  return sample;
}

} // namespace zavel
