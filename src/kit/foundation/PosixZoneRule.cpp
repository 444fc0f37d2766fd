#include "kit/foundation/PosixZoneRule.h"

#include "kit/foundation/CivilDate.h"

#include <algorithm>

namespace kit::foundation {

namespace {

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A zone's abbreviation: three letters or more, or anything of letters, digits and signs in
// angle brackets ("<+0330>").
bool skipName(std::string_view &rest) {
  std::size_t letters = 0;
  while (letters < rest.size() && isAlpha(rest[letters]))
    ++letters;
  if (letters >= 3) {
    rest.remove_prefix(letters);
    return true;
  }
  if (rest.empty() || rest[0] != '<')
    return false;
  std::size_t end = 1;
  while (end < rest.size() &&
         (isAlpha(rest[end]) || isDigit(rest[end]) || rest[end] == '+' || rest[end] == '-'))
    ++end;
  if (end >= rest.size() || rest[end] != '>' || end - 1 < 3)
    return false;
  rest.remove_prefix(end + 1);
  return true;
}

// Digits as a number, saturated; none when there are none.
std::optional<int> number(std::string_view &rest) {
  if (rest.empty() || !isDigit(rest[0]))
    return std::nullopt;
  int value = 0;
  while (!rest.empty() && isDigit(rest[0])) {
    value = std::min(value * 10 + (rest[0] - '0'), 1 << 20);
    rest.remove_prefix(1);
  }
  return value;
}

struct ClockTime {
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
};

// "hh[:mm[:ss]]"; none without the hours.
std::optional<ClockTime> clockTime(std::string_view &rest) {
  auto hours = number(rest);
  if (!hours)
    return std::nullopt;
  ClockTime time{.hours = *hours};
  for (int *part : {&time.minutes, &time.seconds}) {
    if (rest.size() < 2 || rest[0] != ':' || !isDigit(rest[1]))
      break;
    rest.remove_prefix(1);
    *part = *number(rest);
  }
  return time;
}

// An offset as written: west of Greenwich is positive, so the sign turns. Parts are capped as the
// C library caps them (24 hours, 59 minutes and seconds).
std::optional<std::int32_t> offset(std::string_view &rest) {
  int sign = -1;
  if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
    sign = rest[0] == '-' ? 1 : -1;
    rest.remove_prefix(1);
  }
  auto time = clockTime(rest);
  if (!time)
    return std::nullopt;
  return sign * (std::min(time->hours, 24) * 3600 + std::min(time->minutes, 59) * 60 +
                 std::min(time->seconds, 59));
}

std::optional<PosixZoneRule::Day> changeDay(std::string_view &rest) {
  using Kind = PosixZoneRule::Day::Kind;
  PosixZoneRule::Day day;
  if (!rest.empty() && (rest[0] == 'J' || isDigit(rest[0]))) {
    day.kind = rest[0] == 'J' ? Kind::julian : Kind::zeroBased;
    if (day.kind == Kind::julian)
      rest.remove_prefix(1);
    auto value = number(rest);
    if (!value || *value > 365 || (day.kind == Kind::julian && *value == 0))
      return std::nullopt;
    day.day = *value;
    return day;
  }
  if (rest.empty() || rest[0] != 'M')
    return std::nullopt;
  rest.remove_prefix(1);
  auto month = number(rest);
  if (!month || rest.empty() || rest[0] != '.')
    return std::nullopt;
  rest.remove_prefix(1);
  auto week = number(rest);
  if (!week || rest.empty() || rest[0] != '.')
    return std::nullopt;
  rest.remove_prefix(1);
  auto weekday = number(rest);
  if (!weekday || *month < 1 || *month > 12 || *week < 1 || *week > 5 || *weekday > 6)
    return std::nullopt;
  day.month = *month;
  day.week = *week;
  day.weekday = *weekday;
  return day;
}

// One change: its day and, after a slash, its time (02:00 when none is written; a week at most
// either way). With nothing left, the United States' rule, as the C library takes it.
std::optional<PosixZoneRule::Change> change(std::string_view &rest, bool isStart) {
  if (!rest.empty() && rest[0] == ',')
    rest.remove_prefix(1);
  PosixZoneRule::Change result;
  if (rest.empty()) {
    result.day = {.month = isStart ? 3 : 11, .week = isStart ? 2 : 1, .weekday = 0};
    return result;
  }
  auto day = changeDay(rest);
  if (!day || (!rest.empty() && rest[0] != '/' && rest[0] != ','))
    return std::nullopt;
  result.day = *day;
  if (rest.empty() || rest[0] != '/')
    return result;
  rest.remove_prefix(1);
  int sign = 1;
  if (!rest.empty() && rest[0] == '-') {
    sign = -1;
    rest.remove_prefix(1);
  }
  auto time = clockTime(rest);
  if (!time)
    time = ClockTime{.hours = 2};
  result.time = sign * (std::min(time->hours, 167) * 3600 + std::min(time->minutes, 59) * 60 +
                        std::min(time->seconds, 59));
  return result;
}

std::int64_t dayOf(int year, const PosixZoneRule::Day &day) {
  using Kind = PosixZoneRule::Day::Kind;
  std::int64_t january1 = dayNumberOf({year, 1, 1});
  switch (day.kind) {
  case Kind::julian:
    return january1 + day.day - 1 + (day.day >= 60 && isLeapYear(year) ? 1 : 0);
  case Kind::zeroBased:
    return january1 + day.day;
  case Kind::monthWeekDay:
    break;
  }
  std::int64_t first = dayNumberOf({year, day.month, 1});
  // weekdayOf counts from Monday; the rule from Sunday.
  int firstWeekday = (weekdayOf(first) + 1) % 7;
  int offsetInMonth = (day.weekday - firstWeekday + 7) % 7;
  int length = daysInMonth(year, day.month);
  for (int week = 1; week < day.week && offsetInMonth + 7 < length; ++week)
    offsetInMonth += 7;
  return first + offsetInMonth;
}

// The UTC year of a moment; moments past some 300,000 years either way count as that far.
int yearOf(std::int64_t unixSeconds) {
  constexpr std::int64_t kFarthest = std::int64_t{10'000'000} * 1'000'000;
  return civilDateOf(floorDiv(std::clamp(unixSeconds, -kFarthest, kFarthest), kSecondsPerDay)).year;
}

} // namespace

std::optional<PosixZoneRule> PosixZoneRule::parse(std::string_view text) {
  std::string_view rest = text;
  PosixZoneRule rule;
  if (!skipName(rest))
    return std::nullopt;
  auto standard = offset(rest);
  if (!standard)
    return std::nullopt;
  rule.standard_ = *standard;
  if (rest.empty() || !skipName(rest))
    return rule;
  auto summer = offset(rest);
  auto start = change(rest, true);
  auto end = start ? change(rest, false) : std::nullopt;
  if (!end)
    return rule;
  rule.summer_ = summer.value_or(rule.standard_ + 3600);
  rule.start_ = *start;
  rule.end_ = *end;
  return rule;
}

PosixZoneRule PosixZoneRule::fixed(std::int32_t offset) {
  PosixZoneRule rule;
  rule.standard_ = offset;
  return rule;
}

// Each change is read on the clock in force before it: the start in standard time, the end in
// summer time.
std::int64_t PosixZoneRule::startOfSummer(int year) const {
  return dayOf(year, start_.day) * kSecondsPerDay + start_.time - standard_;
}

std::int64_t PosixZoneRule::endOfSummer(int year) const {
  return dayOf(year, end_.day) * kSecondsPerDay + end_.time - summerOffset();
}

// As the C library decides it: both changes of the moment's own UTC year, summer between them
// (or, in the south, outside them).
bool PosixZoneRule::isSummerAt(std::int64_t unixSeconds) const {
  if (!summer_)
    return false;
  int year = yearOf(unixSeconds);
  std::int64_t start = startOfSummer(year);
  std::int64_t end = endOfSummer(year);
  if (start > end)
    return unixSeconds < end || unixSeconds >= start;
  return unixSeconds >= start && unixSeconds < end;
}

std::int32_t PosixZoneRule::offsetAt(std::int64_t unixSeconds) const {
  return isSummerAt(unixSeconds) ? summerOffset() : standard_;
}

std::vector<ZoneChange> PosixZoneRule::changesIn(int year) const {
  std::vector<ZoneChange> changes;
  if (!summer_)
    return changes;
  std::int64_t first = dayNumberOf({year, 1, 1}) * kSecondsPerDay;
  std::int64_t next = dayNumberOf({year + 1, 1, 1}) * kSecondsPerDay;
  std::vector<std::int64_t> moments{first, startOfSummer(year), endOfSummer(year)};
  std::sort(moments.begin(), moments.end());
  ZoneChange before{
      .at = first - 1, .offset = offsetAt(first - 1), .daylight = isSummerAt(first - 1)};
  for (std::int64_t moment : moments) {
    if (moment < first || moment >= next || moment <= before.at)
      continue;
    ZoneChange now{.at = moment, .offset = offsetAt(moment), .daylight = isSummerAt(moment)};
    if (now.offset != before.offset || now.daylight != before.daylight)
      changes.push_back(now);
    before = now;
  }
  return changes;
}

} // namespace kit::foundation
