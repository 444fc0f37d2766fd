#include "Shared/Data/WidgetIntents/ClockConfigIntent.h"

namespace zavel {

kit::foundation::TimeZone ClockConfigIntent::timeZone() const {
  auto current = kit::foundation::TimeZone::current();
  return city ? city->timeZone(current) : current;
}

} // namespace zavel
