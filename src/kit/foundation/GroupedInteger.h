#pragma once

#include "kit/foundation/Locale.h"

#include <cstdint>
#include <string>

namespace kit::foundation {

// The whole number in the locale's digits with its digit grouping ("12,480" in en_US, "12.480"
// in de_DE, "12 480" with a narrow no-break space in fr_FR); every int64_t value is exact.
std::string groupedInteger(std::int64_t value, const Locale &locale = Locale::current());

} // namespace kit::foundation
