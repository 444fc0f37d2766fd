#pragma once

#include "kit/foundation/Date.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kit::events {

// The text of a calendar file with the completion of one to-do changed, the `todoIndex`-th of
// those directly inside its calendars. Completing sets STATUS:COMPLETED, COMPLETED (`now`, in
// UTC) and PERCENT-COMPLETE:100; reopening sets STATUS:NEEDS-ACTION and drops COMPLETED and
// PERCENT-COMPLETE. Every other line stays exactly as written, whatever it says, so nothing the
// readers pass over is lost. None when the file has no such to-do.
std::optional<std::string> withCompletion(std::string_view text, std::size_t todoIndex,
                                          bool completed, foundation::Date now);

// The text of a calendar file with one occurrence of a repeating to-do (the `todoIndex`-th)
// completed: an override of that occurrence (RFC 5545 §3.8.4.4) follows the series, holding the
// series' UID and SUMMARY lines as written, DTSTAMP, RECURRENCE-ID with `recurrenceId` (its
// parameters and value, ";TZID=Europe/Oslo:20261207T090000"), and the lines completing it at
// `now`. Every line of the file stays as written. None when the file has no such to-do or it has
// no UID.
std::optional<std::string> withCompletedOccurrence(std::string_view text, std::size_t todoIndex,
                                                   std::string_view recurrenceId,
                                                   foundation::Date now);

} // namespace kit::events
