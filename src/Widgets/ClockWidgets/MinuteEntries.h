#pragma once

#include "Widgets/Shell/SteppedEntries.h"
#include "Widgets/Shell/ZavelEntry.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Date.h"
#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/Timeline.h"

namespace zavel {

// A clock's hour ahead: one entry of its configuration per minute, from the start of the minute
// `now` falls in, asked for again once the last has come. Minutes follow absolute time, so a
// request in a repeated hour starts at its own occurrence of the minute and a skipped hour is
// skipped (01:59 is followed by 03:00).
template <class Configuration>
kit::widgets::Timeline<ZavelEntry<Configuration>>
minuteEntries(kit::foundation::Date now, const kit::foundation::Calendar &calendar,
              const Configuration &configuration) {
  constexpr int minutesAhead = 60;
  return {steppedEntries(calendar.startOfMinute(now), 60, minutesAhead, configuration,
                         configuration.casing),
          kit::widgets::ReloadPolicy::atEnd()};
}

} // namespace zavel
