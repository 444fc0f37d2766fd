#pragma once

#include "kit/events/Ical.h"
#include "kit/events/WallClock.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kit::events {

// FREQ (RFC 5545 §3.3.10), from the shortest period to the longest, so frequencies compare.
enum class Frequency { secondly, minutely, hourly, daily, weekly, monthly, yearly };

struct RuleWeekday {
  int weekday = 0; // 0 for Monday through 6 for Sunday
  // The n-th such day of the month or year, from its end when negative; 0: all. RFC 5545
  // §3.3.10 gives the number a meaning in a monthly or yearly rule only.
  int position = 0;
};

// An RRULE (RFC 5545 §3.3.10) as it expands from one DTSTART: the parts the rule leaves out that
// the frequency takes from DTSTART are filled in, as the format derives them, and values no
// Gregorian day or time can have are dropped. Lists are sorted; an empty list does not limit.
struct RecurrenceRule {
  Frequency frequency = Frequency::daily;
  std::int64_t interval = 1;
  std::int64_t count = 0; // 0: no COUNT; DTSTART is the first of them (§3.8.5.3)
  std::vector<int> months;
  std::vector<int> weekNumbers;
  std::vector<int> yearDays;
  std::vector<int> monthDays;
  std::vector<RuleWeekday> weekdays;
  // At and above the frequency's own unit these limit the period; below it they expand it.
  std::vector<int> hours;
  std::vector<int> minutes;
  std::vector<int> seconds;
  // BYSETPOS: which of the starts of one whole period are kept, from its end when negative.
  std::vector<int> setPositions;
  // WKST, 0 for Monday: where weekly periods and BYWEEKNO's weeks begin.
  int weekStart = 0;
  bool writesByParts = false;
  bool neverMatches = false; // a part whose every value is out of range

  // Whether a day passes the day parts, each in RFC 5545's order: BYMONTH, BYWEEKNO, BYYEARDAY,
  // BYMONTHDAY, BYDAY.
  bool takesDay(std::int64_t dayNumber) const;
};

// Whether a BY-part's sorted values take `value`; an empty part does not limit.
inline bool allows(const std::vector<int> &part, int value) {
  return part.empty() || std::binary_search(part.begin(), part.end(), value);
}

// An RRULE value as libical reads it from text; libical leaves the RSCALE (RFC 7529) it copies to
// the caller, who frees it here.
struct IcalRule {
  struct FreeDeleter {
    void operator()(char *text) const { std::free(text); }
  };
  icalrecurrencetype rule{};
  std::unique_ptr<char, FreeDeleter> rscale;
};
IcalRule icalRuleOf(const std::string &text);

// The rule for a series starting at `dtstart` (a day when `allDay`). None for what cannot be
// expanded exactly: no frequency, a calendar scale other than the Gregorian, or a rule repeating
// within the day for an all-day event. An all-day series starts at midnight: RFC 5545 §3.3.10
// allows no BYHOUR, BYMINUTE or BYSECOND with a DATE start, and their values are passed over.
std::optional<RecurrenceRule> recurrenceRuleOf(const icalrecurrencetype &rule, WallSeconds dtstart,
                                               bool allDay);

} // namespace kit::events
