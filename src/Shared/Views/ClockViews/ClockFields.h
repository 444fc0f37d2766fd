#pragma once

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"

#include <string>

namespace zavel {

// The date as the user's calendar reads it on the clocks of `zone`.
kit::foundation::DateComponents clockFields(kit::foundation::Date date,
                                            const kit::foundation::TimeZone &zone);

// "DAY" from 06:00 to 19:59 on the zone's own clock, "NIGHT" otherwise; only the hour counts.
std::string dayOrNight(kit::foundation::Date date, const kit::foundation::TimeZone &zone);

} // namespace zavel
