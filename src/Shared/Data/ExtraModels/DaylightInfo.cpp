#include "Shared/Data/ExtraModels/DaylightInfo.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Clock.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace zavel {

namespace {

// Toward zero, held within the 64-bit range; NaN is 0. Sun times come from outside and may lie
// anywhere.
int64_t saturatingTruncate(double value) {
  if (std::isnan(value))
    return 0;
  constexpr double limit = 9223372036854775808.0; // 2^63
  if (value >= limit)
    return std::numeric_limits<int64_t>::max();
  if (value < -limit)
    return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

} // namespace

kit::foundation::TimeZone DaylightInfo::placeTimeZone() const {
  using kit::foundation::TimeZone;
  if (auto zone = timeZoneID ? TimeZone::named(*timeZoneID) : std::nullopt)
    return *zone;
  return TimeZone::current();
}

std::string DaylightInfo::lengthLabel() const {
  int64_t minutes = saturatingTruncate(sunset.timeIntervalSince(sunrise) / 60);
  int64_t hours = minutes / 60;
  int64_t rest = minutes % 60;
  return std::to_string(hours) + "H " + std::to_string(rest) + "M";
}

const DaylightInfo &DaylightInfo::sample() {
  static const DaylightInfo sample = [] {
    auto calendar = kit::foundation::Calendar::current();
    auto now = kit::foundation::systemNow();
    return DaylightInfo{calendar.dateBySettingTime(5, 2, 0, now),
                        calendar.dateBySettingTime(20, 42, 0, now), "London", std::nullopt};
  }();
  return sample;
}

} // namespace zavel
