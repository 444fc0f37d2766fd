#include "Widgets/ProductivityWidgets/NextMidnight.h"

namespace zavel {

using kit::foundation::Date;

Date nextMidnight(Date now, const kit::foundation::Calendar &calendar) {
  return calendar.startOfDay(calendar.addingDays(1, now));
}

} // namespace zavel
