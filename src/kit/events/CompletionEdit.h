#pragma once

#include "kit/foundation/Date.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::events {

// The text of a calendar file with the completion of one to-do changed, the `todoIndex`-th of
// those directly inside its calendars. Completing sets STATUS:COMPLETED, COMPLETED (`now`, in
// UTC) and PERCENT-COMPLETE:100; reopening sets STATUS:NEEDS-ACTION and drops COMPLETED and
// PERCENT-COMPLETE. Either renews the to-do's DTSTAMP, and its LAST-MODIFIED where it has one
// (`now`; RFC 5545 §3.8.7.2, §3.8.7.3). Every other line stays exactly as written, whatever it
// says, so nothing the readers pass over is lost. None when the file has no such to-do, or stops
// inside it before any line the new ones could go before.
std::optional<std::string> withCompletion(std::string_view text, std::size_t todoIndex,
                                          bool completed, foundation::Date now);

// The text of a calendar file with one occurrence of a repeating to-do (the `todoIndex`-th)
// completed: an override of that occurrence (RFC 5545 §3.8.4.4) follows the series, holding the
// series' UID as written, DTSTAMP, the first of the lines `naming` the occurrence (its
// RECURRENCE-ID), the series' SEQUENCE as written, the rest of `naming` (its start and due
// times), the series' SUMMARY as written, and the lines completing it at `now`. Every line of the
// file stays as written. None when the file has no such to-do, it has no UID or the file stops
// before its END.
std::optional<std::string> withCompletedOccurrence(std::string_view text, std::size_t todoIndex,
                                                   const std::vector<std::string> &naming,
                                                   foundation::Date now);

// Whether the file stops inside its `todoIndex`-th to-do, before the END that closes it.
bool endsInsideToDo(std::string_view text, std::size_t todoIndex);

} // namespace kit::events
