#include "Shared/Data/ExtraModels/YearInfo.h"

namespace zavel {

YearInfo YearInfo::current(kit::foundation::Date date, const kit::foundation::Calendar &calendar) {
  int dayOfYear = calendar.dayOfYear(date);
  int daysInYear = calendar.daysInYear(date);
  return {calendar.year(date), dayOfYear > 0 ? dayOfYear : 1, daysInYear > 0 ? daysInYear : 365};
}

} // namespace zavel
