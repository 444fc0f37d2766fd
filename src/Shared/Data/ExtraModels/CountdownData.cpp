#include "Shared/Data/ExtraModels/CountdownData.h"

#include "kit/foundation/Clock.h"

namespace zavel {

using kit::foundation::Calendar;
using kit::foundation::Date;

std::optional<int> CountdownData::days(Date now, const Calendar &calendar) const {
  if (!target)
    return std::nullopt;
  return calendar.daysBetween(now, *target);
}

CountdownData CountdownData::sampleAt(Date now, const Calendar &calendar) {
  return {"Launch", calendar.addingDays(12, now)};
}

const CountdownData &CountdownData::sample() {
  static const CountdownData sample = sampleAt(kit::foundation::systemNow());
  return sample;
}

} // namespace zavel
