#pragma once

#include "kit/foundation/Date.h"

#include <optional>
#include <string_view>

namespace zavel::RSSStore {

// A feed's date text: RFC 822 forms ("Tue, 10 Jun 2003 04:00:00 +0000", "… GMT", "… EST",
// without seconds, without weekday) or ISO 8601 internet time, with or without fractional
// seconds. A weekday that does not match the date is accepted (feeds often carry one): the date
// decides. None for anything else.
std::optional<kit::foundation::Date> parseDate(std::string_view text);

} // namespace zavel::RSSStore
