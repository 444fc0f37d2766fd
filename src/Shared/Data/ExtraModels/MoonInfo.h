#pragma once

#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <string>

namespace zavel {

// The moon's phase on one day.
struct MoonInfo {
  std::string phaseName;  // "New Moon", "Waxing Crescent", …
  double illuminated = 0; // lit fraction of the disc, 0…1
  bool waxing = false;    // from new moon to full moon
  int64_t daysToFull = 0; // 0 on the day of the full moon
  int64_t daysToNew = 0;  // 0 on the day of the new moon

  // The countdown line: "Full moon tonight", "New moon tonight", "Full in 3 days" or
  // "New in 18 days" (always "days", whatever the count).
  std::string detail() const;

  // The gallery's moon: waxing gibbous, six days before the full moon.
  static const MoonInfo &sample();

  bool operator==(const MoonInfo &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using R = MoonInfo;
    return std::tuple{field("phaseName", &R::phaseName), field("illuminated", &R::illuminated),
                      field("waxing", &R::waxing), field("daysToFull", &R::daysToFull),
                      field("daysToNew", &R::daysToNew)};
  }
};

} // namespace zavel
