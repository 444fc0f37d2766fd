#pragma once

#include "kit/events/RecurrenceRule.h"

#include <functional>
#include <optional>
#include <vector>

namespace kit::events {

// The most work one rule may take in one reading, in steps: each period looked at or skipped,
// each day of a period looked at and each start made counts one. An every-second series over a
// 25-hour day takes about 90,000.
inline constexpr std::int64_t kMaxRuleSteps = 200000;

// The starts a rule gives on DTSTART's wall clock from `from` to `to`, both included, in order.
// Never one before DTSTART, nor one for which `pastUntil` (given when the rule has an UNTIL)
// holds, nor one past the COUNT, in which DTSTART always counts first. Expansion starts at the
// period holding `from` unless the count must be followed from DTSTART: a series with a COUNT
// and BY-parts, or one that repeats monthly or yearly. None when it takes more than
// kMaxRuleSteps; such a rule cannot be shown for that span.
std::optional<std::vector<WallSeconds>>
expandRule(const RecurrenceRule &rule, WallSeconds dtstart, WallSeconds from, WallSeconds to,
           const std::function<bool(WallSeconds)> &pastUntil);

} // namespace kit::events
