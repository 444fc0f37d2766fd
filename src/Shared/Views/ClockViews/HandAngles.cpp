#include "Shared/Views/ClockViews/HandAngles.h"

#include "Shared/Views/ClockViews/ClockFields.h"

namespace zavel {

HandAngles handAngles(kit::foundation::Date date, const kit::foundation::TimeZone &zone,
                      std::optional<double> liveSeconds) {
  kit::foundation::DateComponents time = clockFields(date, zone);
  double seconds = liveSeconds.value_or(time.second);
  return {.hour = (time.hour % 12) * 30 + time.minute * 0.5,
          .minute = time.minute * 6 + seconds * 0.1,
          .second = seconds * 6};
}

} // namespace zavel
