#pragma once

#include "Widgets/Shell/SteppedEntries.h"

#include "kit/foundation/Date.h"
#include "kit/widgets/ReloadPolicy.h"

namespace zavel {

// When a timeline that reads a service or a file is asked for again: `withData` minutes after
// `now` when the reading gave something, else the sooner `withoutData`, so a stand-in shown for
// want of data does not stay long.
struct ReloadMinutes {
  int withData = 0;
  int withoutData = 0;

  kit::widgets::ReloadPolicy after(kit::foundation::Date now, bool hasData) const {
    return kit::widgets::ReloadPolicy::after(minutesAfter(now, hasData ? withData : withoutData));
  }
};

} // namespace zavel
