#pragma once

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Date.h"

namespace zavel {

// The start of the local day after the day of `now`: when a widget that shows the day has to be
// drawn again.
kit::foundation::Date
nextMidnight(kit::foundation::Date now,
             const kit::foundation::Calendar &calendar = kit::foundation::Calendar::current());

} // namespace zavel
