#pragma once

#include "kit/events/RecurrenceRule.h"

#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace kit::events {

// The most work one rule may take in one reading, in steps: each period looked at or skipped,
// each day or month of a period looked at and each start made counts one. An every-second
// series over a 25-hour day takes about 90,000.
inline constexpr std::int64_t kMaxRuleSteps = 200000;

// How far one expansion goes.
struct ExpansionLimits {
  // The most steps it may take; past them it gives nothing.
  std::int64_t maxSteps = kMaxRuleSteps;
  // It may end once it has made this many starts that `counts` takes (every start when none is
  // given) and passed every start up to `margin` after the last of them on the wall clock: a
  // later reading can be an earlier moment by as much as the clock jumps forward.
  std::size_t enough = std::numeric_limits<std::size_t>::max();
  std::function<bool(WallSeconds)> counts;
  WallSeconds margin = 0;
};

// The starts a rule gives on DTSTART's wall clock from `from` to `to`, both included, in order.
// Never one before DTSTART, nor one for which `pastUntil` (given when the rule has an UNTIL)
// holds, nor one past the COUNT, in which DTSTART always counts first (RFC 5545 §3.8.5.3).
// Walked step by step from DTSTART, so that the count is exact: a series with a COUNT and a
// written BY-part, and a counted monthly or yearly one (a month may lack DTSTART's day). Every
// other series starts at the period holding `from`: without a COUNT nothing earlier matters, and
// a counted daily, weekly or sub-daily series without BY-parts has one start a period, so it
// ends with period COUNT - 1. None when it takes more than `limits.maxSteps`; such a rule cannot
// be shown for that span. `steps`, when given, is told the steps taken.
std::optional<std::vector<WallSeconds>>
expandRule(const RecurrenceRule &rule, WallSeconds dtstart, WallSeconds from, WallSeconds to,
           const std::function<bool(WallSeconds)> &pastUntil, const ExpansionLimits &limits = {},
           std::int64_t *steps = nullptr);

} // namespace kit::events
