#include "Shared/Views/ClockViews/ClockFields.h"

#include "kit/foundation/Locale.h"

namespace zavel {

kit::foundation::DateComponents clockFields(kit::foundation::Date date,
                                            const kit::foundation::TimeZone &zone) {
  using kit::foundation::Calendar;
  return Calendar::forLocale(kit::foundation::Locale::current(), zone).components(date);
}

std::string dayOrNight(kit::foundation::Date date, const kit::foundation::TimeZone &zone) {
  int hour = clockFields(date, zone).hour;
  return hour >= 6 && hour <= 19 ? "DAY" : "NIGHT";
}

} // namespace zavel
