#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kit::foundation {

// One change of a zone's clock: from `at` (Unix seconds) on, the clock is `offset` seconds ahead
// of UTC; `daylight` when that is summer time.
struct ZoneChange {
  std::int64_t at = 0;
  std::int32_t offset = 0;
  bool daylight = false;
  bool operator==(const ZoneChange &) const = default;
};

// A zone as a POSIX TZ rule gives it ("CET-1CEST,M3.5.0,M10.5.0/3", "JST-9"), read as the C
// library reads the TZ variable and the last line of a zone file: a standard offset and, with a
// summer name, a summer offset and the two days of each year it starts and ends.
class PosixZoneRule {
public:
  // When the day of a change falls.
  struct Day {
    enum class Kind { julian, zeroBased, monthWeekDay };
    Kind kind = Kind::monthWeekDay;
    int day = 0;     // julian: 1…365, February 29 never counted; zeroBased: 0…365
    int month = 0;   // monthWeekDay: 1…12
    int week = 0;    // 1…5, 5 meaning the last
    int weekday = 0; // 0 = Sunday
  };
  struct Change {
    Day day;
    std::int32_t time = 7200; // seconds past midnight on the clock before the change
  };

  // None for text that is no rule at all; a rule the C library reads in part (a summer name with
  // a broken day) stays in standard time, as it does there.
  static std::optional<PosixZoneRule> parse(std::string_view text);
  // A clock that never changes.
  static PosixZoneRule fixed(std::int32_t offset);

  std::int32_t standardOffset() const { return standard_; }
  bool hasSummer() const { return summer_.has_value(); }
  std::int32_t summerOffset() const { return summer_.value_or(standard_); }
  const Change &summerStart() const { return start_; }
  const Change &summerEnd() const { return end_; }

  std::int32_t offsetAt(std::int64_t unixSeconds) const;
  bool isSummerAt(std::int64_t unixSeconds) const;
  // The moments of UTC year `year` at which the offset changes, in time order.
  std::vector<ZoneChange> changesIn(int year) const;

private:
  std::int64_t startOfSummer(int year) const;
  std::int64_t endOfSummer(int year) const;

  std::int32_t standard_ = 0;
  std::optional<std::int32_t> summer_;
  Change start_;
  Change end_;
};

} // namespace kit::foundation
