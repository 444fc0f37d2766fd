#include "Shared/Views/AgendaViews/CalLabel.h"

#include "Shared/Data/ClockFormat.h"
#include "kit/foundation/TimeZone.h"

namespace zavel {

std::string calLabel(std::string_view pattern, kit::foundation::Date date) {
  return ClockFormat::formatted(pattern, date, kit::foundation::TimeZone::current());
}

} // namespace zavel
