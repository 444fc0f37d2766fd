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

} // namespace kit::events
