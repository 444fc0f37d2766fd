#include "kit/foundation/GroupedInteger.h"

#include "kit/foundation/IcuText.h"

#include <unicode/numberformatter.h>

namespace kit::foundation {

std::string groupedInteger(std::int64_t value, const Locale &locale) {
  UErrorCode status = U_ZERO_ERROR;
  auto text = icu::number::NumberFormatter::withLocale(locale.icuLocale())
                  .formatInt(value, status)
                  .toString(status);
  // Plain digits rather than nothing when the locale asks for what ICU cannot give (an unknown
  // numbering system).
  return U_FAILURE(status) ? std::to_string(value) : utf8Text(text);
}

} // namespace kit::foundation
