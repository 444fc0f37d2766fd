#pragma once

#include "kit/foundation/Date.h"

#include <optional>
#include <string>
#include <string_view>

namespace kit::foundation {

// "2024-03-31T01:30:00Z": the date in UTC, seconds rounded down; with `fractionalSeconds`,
// milliseconds follow the seconds ("…:00.250Z"). Dates beyond ±1e15 seconds are clamped there.
std::string iso8601String(Date date, bool fractionalSeconds = false);

// Reads "YYYY-MM-DDTHH:MM:SS", optional fraction, then "Z" or an offset "±HH:MM", "±HHMM" or
// "±HH". Anything else, or a field out of range, is none.
std::optional<Date> dateFromIso8601(std::string_view text);

} // namespace kit::foundation
