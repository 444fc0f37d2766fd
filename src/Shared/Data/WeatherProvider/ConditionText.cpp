#include "Shared/Data/WeatherProvider/ConditionText.h"

namespace zavel::WeatherProvider {

std::string conditionText(int64_t code, bool isDay) {
  switch (code) {
  case 0:
    return isDay ? "Clear sky" : "Clear night";
  case 1:
    return isDay ? "Mostly clear" : "Clear night";
  case 2:
    return "Partly cloudy";
  case 3:
    return "Overcast";
  case 45:
  case 48:
    return "Fog";
  case 51:
  case 53:
  case 55:
    return "Drizzle";
  case 56:
  case 57:
    return "Freezing drizzle";
  case 61:
  case 63:
  case 65:
    return "Rain";
  case 66:
  case 67:
    return "Freezing rain";
  case 71:
  case 73:
  case 75:
  case 77:
    return "Snow";
  case 80:
  case 81:
  case 82:
    return "Showers";
  case 85:
  case 86:
    return "Snow showers";
  case 95:
    return "Thunderstorm";
  case 96:
  case 99:
    return "Hail storm";
  default:
    return "\u2014";
  }
}

} // namespace zavel::WeatherProvider
