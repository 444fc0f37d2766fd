#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/DateFormatter.h"

#include <memory>
#include <string>

// The day keys the host application and the widgets share ("yyyy-MM-dd" of the usage log, the
// daily counters and the habit check-ins): written in the current locale, its calendar and the
// current zone, so a day runs from local midnight to local midnight.
namespace zavel {

// The one formatter of day keys, made on first use and kept; made anew only when the current
// locale or zone is no longer the one it was made for.
std::shared_ptr<const kit::foundation::DateFormatter> dayFormat();

// The key of the day that holds `date`.
std::string dayString(kit::foundation::Date date);

} // namespace zavel
