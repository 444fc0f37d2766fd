#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/TimeZone.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace zavel {

// The weather of one place at one moment. Temperatures are whole degrees Celsius; they become
// Fahrenheit only through `inFahrenheit()`.
struct WeatherSnapshot {
  // One of the following days.
  struct Day {
    // Short weekday name in the current locale; the day's identity.
    std::string label;
    int64_t high = 0;
    int64_t low = 0;
    // The first day with the highest `high`.
    bool isPeak = false;

    const std::string &id() const { return label; }
    bool operator==(const Day &) const = default;
    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("label", &Day::label), field("high", &Day::high),
                        field("low", &Day::low), field("isPeak", &Day::isPeak)};
    }
  };

  // The rain bar of one coming hour.
  struct RainHour {
    // The hour as the clock format writes it; the bar's identity.
    std::string label;
    // Rain probability, 0.06 to 1.
    double chance = 0;
    // The first bar with the highest chance.
    bool isPeak = false;

    const std::string &id() const { return label; }
    bool operator==(const RainHour &) const = default;
    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("label", &RainHour::label), field("chance", &RainHour::chance),
                        field("isPeak", &RainHour::isPeak)};
    }
  };

  std::string place;
  int64_t temperature = 0;
  std::string condition;
  int64_t high = 0;
  int64_t low = 0;
  int64_t feelsLike = 0;
  bool isNight = false;
  // Oldest first, today not included; at most 6.
  std::vector<Day> days;
  // The largest chance among the hours that became bars, 0 to 1.
  double rainChance = 0;
  // In time order; at most 7.
  std::vector<RainHour> rainHours;
  kit::foundation::Date updated;
  // The forecast service's weather code.
  std::optional<int64_t> code;
  std::optional<int64_t> windKmh;
  std::optional<int64_t> humidity;
  std::optional<int64_t> uvIndex;
  std::optional<int64_t> visibilityKm;
  std::optional<int64_t> pressureHpa;
  std::optional<double> latitude;
  std::optional<double> longitude;
  // IANA identifier of the place's zone.
  std::optional<std::string> timeZoneID;

  bool operator==(const WeatherSnapshot &) const = default;

  // The zone `timeZoneID` names when the system knows it; otherwise the current zone.
  kit::foundation::TimeZone placeTimeZone() const;

  // A copy whose temperatures (current, high, low, feels-like and each day's) are Fahrenheit,
  // rounded with halves away from zero; wind, visibility, pressure and rain stay as they are.
  WeatherSnapshot inFahrenheit() const;

  // The built-in London snapshot, built once per process; `updated` is its first use.
  static const WeatherSnapshot &sample();

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using W = WeatherSnapshot;
    return std::tuple{field("place", &W::place),
                      field("temperature", &W::temperature),
                      field("condition", &W::condition),
                      field("high", &W::high),
                      field("low", &W::low),
                      field("feelsLike", &W::feelsLike),
                      field("isNight", &W::isNight),
                      field("days", &W::days),
                      field("rainChance", &W::rainChance),
                      field("rainHours", &W::rainHours),
                      field("updated", &W::updated),
                      field("code", &W::code),
                      field("windKmh", &W::windKmh),
                      field("humidity", &W::humidity),
                      field("uvIndex", &W::uvIndex),
                      field("visibilityKm", &W::visibilityKm),
                      field("pressureHpa", &W::pressureHpa),
                      field("latitude", &W::latitude),
                      field("longitude", &W::longitude),
                      field("timeZoneID", &W::timeZoneID)};
  }
};

} // namespace zavel
