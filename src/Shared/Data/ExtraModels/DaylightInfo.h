#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/TimeZone.h"

#include <optional>
#include <string>

namespace zavel {

// Sunrise and sunset of one day at a place.
struct DaylightInfo {
  kit::foundation::Date sunrise;
  kit::foundation::Date sunset;
  std::string place;
  std::optional<std::string> timeZoneID; // the place's zone ("Europe/London"), when known

  // The zone to show the times in: the place's own when the system knows it, else the current.
  kit::foundation::TimeZone placeTimeZone() const;
  // The length of the day, "15H 40M": whole minutes, truncated; a sunset before the sunrise
  // signs both parts ("-2H -30M").
  std::string lengthLabel() const;

  // London, today from 05:02:00 to 20:42:00 in the current calendar and zone.
  static const DaylightInfo &sample();

  bool operator==(const DaylightInfo &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using R = DaylightInfo;
    return std::tuple{field("sunrise", &R::sunrise), field("sunset", &R::sunset),
                      field("place", &R::place), field("timeZoneID", &R::timeZoneID)};
  }
};

} // namespace zavel
