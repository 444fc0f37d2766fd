#pragma once

#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace zavel::WeatherProvider {

// The forecast service's answer, in the service's own member names and units (°C, km/h, hPa,
// metres). Only what the conversion reads; other members are ignored.
struct APIResponse {
  struct Current {
    double temperature_2m = 0;
    double apparent_temperature = 0;
    int64_t weather_code = 0;
    // 1 by day, 0 by night.
    int64_t is_day = 0;
    std::optional<int64_t> relative_humidity_2m;
    std::optional<double> wind_speed_10m;
    std::optional<double> surface_pressure;
    std::optional<double> uv_index;

    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("temperature_2m", &Current::temperature_2m),
                        field("apparent_temperature", &Current::apparent_temperature),
                        field("weather_code", &Current::weather_code),
                        field("is_day", &Current::is_day),
                        field("relative_humidity_2m", &Current::relative_humidity_2m),
                        field("wind_speed_10m", &Current::wind_speed_10m),
                        field("surface_pressure", &Current::surface_pressure),
                        field("uv_index", &Current::uv_index)};
    }
  };

  // One row per day, today first; days as "yyyy-MM-dd".
  struct Daily {
    std::vector<std::string> time;
    std::vector<double> temperature_2m_max;
    std::vector<double> temperature_2m_min;

    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("time", &Daily::time),
                        field("temperature_2m_max", &Daily::temperature_2m_max),
                        field("temperature_2m_min", &Daily::temperature_2m_min)};
    }
  };

  // One row per hour, local wall times as "yyyy-MM-dd'T'HH:mm".
  struct Hourly {
    std::vector<std::string> time;
    // Percent, 0 to 100.
    std::vector<int64_t> precipitation_probability;
    std::optional<std::vector<std::optional<double>>> visibility;

    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("time", &Hourly::time),
                        field("precipitation_probability", &Hourly::precipitation_probability),
                        field("visibility", &Hourly::visibility)};
    }
  };

  Current current;
  Daily daily;
  Hourly hourly;
  // The place's IANA zone, in which the hourly times are written.
  std::string timezone;

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("current", &APIResponse::current), field("daily", &APIResponse::daily),
                      field("hourly", &APIResponse::hourly),
                      field("timezone", &APIResponse::timezone)};
  }
};

} // namespace zavel::WeatherProvider
