#include "Shared/Data/DayFormat.h"

#include <mutex>

namespace zavel {

using kit::foundation::DateFormatter;
using kit::foundation::Locale;
using kit::foundation::TimeZone;

std::shared_ptr<const DateFormatter> dayFormat() {
  static std::mutex mutex;
  static std::shared_ptr<const DateFormatter> formatter;
  static std::string madeFor;
  Locale locale = Locale::current();
  TimeZone zone = TimeZone::current();
  std::string settings = locale.identifier() + '\n' + zone.identifier();
  std::lock_guard lock(mutex);
  if (!formatter || madeFor != settings) {
    formatter = std::make_shared<const DateFormatter>("yyyy-MM-dd", locale, zone);
    madeFor = std::move(settings);
  }
  return formatter;
}

std::string dayString(kit::foundation::Date date) { return dayFormat()->string(date); }

} // namespace zavel
