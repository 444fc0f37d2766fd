#pragma once

#include "kit/foundation/Date.h"

#include <optional>
#include <string_view>

namespace zavel {

// The RFC 822 form nearly every feed writes, "Mon, 06 Jan 2025 10:00:00 +0000" or "… GMT", read
// without a date formatter: English names as written, a Gregorian year from 1600 and an offset of
// at most 18 hours. A weekday that is not the date's is accepted, as the date formatters accept
// it (feeds often carry one): the date decides. None for anything else, which the date formatters
// then read.
std::optional<kit::foundation::Date> commonRFC822Date(std::string_view text);

} // namespace zavel
