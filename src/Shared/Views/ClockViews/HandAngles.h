#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"

#include <optional>

namespace zavel {

// Where an analog clock's hands point, in degrees clockwise from 12 o'clock.
struct HandAngles {
  double hour = 0;
  double minute = 0;
  double second = 0;
  bool operator==(const HandAngles &) const = default;
};

// The hands for the date's time in `zone`. The seconds are `liveSeconds` when given, fraction and
// all, else the date's whole second; they move the minute hand but not the hour hand.
HandAngles handAngles(kit::foundation::Date date, const kit::foundation::TimeZone &zone,
                      std::optional<double> liveSeconds = std::nullopt);

} // namespace zavel
