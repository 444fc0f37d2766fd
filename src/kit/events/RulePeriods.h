#pragma once

#include "kit/events/RecurrenceRule.h"
#include "kit/events/WallClock.h"

#include <cstdint>

namespace kit::events {

// The days a daily or longer period spans, both included.
struct DaySpan {
  std::int64_t first;
  std::int64_t last;
};

// The periods a rule steps through (RFC 5545 §3.3.10, FREQ and INTERVAL), numbered from 0 at
// the one holding DTSTART: every INTERVAL-th year, month, week (begun on WKST) or day, or
// INTERVAL hours, minutes or seconds counted from the start of DTSTART's own hour, minute or
// second.
class RulePeriods {
public:
  RulePeriods(const RecurrenceRule &rule, WallSeconds dtstart);

  // The period holding `wall`; 0 for a reading before DTSTART's period.
  std::int64_t at(WallSeconds wall) const;

  // The days of a daily or longer period.
  DaySpan days(std::int64_t period) const;

  // Where a period shorter than a day begins.
  WallSeconds start(std::int64_t period) const;

  // The first period shorter than a day after `current` that begins no earlier than `wall`.
  std::int64_t firstFrom(WallSeconds wall, std::int64_t current) const;

  std::int64_t startDay() const { return startDay_; }

private:
  Frequency frequency_;
  std::int64_t interval_;
  std::int64_t startDay_;
  CivilDate startDate_;
  std::int64_t startWeek_; // the first day of DTSTART's week
  std::int64_t periodSeconds_;
  WallSeconds subDailyBase_;
};

} // namespace kit::events
