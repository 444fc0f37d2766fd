#include "kit/events/RecurrenceRule.h"

#include <algorithm>
#include <functional>
#include <strings.h>

namespace kit::events {

namespace {

template <std::size_t N> std::vector<int> valuesOf(const short (&array)[N]) {
  std::vector<int> values;
  for (short value : array) {
    if (value == ICAL_RECURRENCE_ARRAY_MAX)
      break;
    values.push_back(value);
  }
  return values;
}

// A BY-part's values that some day or time can have (the ranges of RFC 5545 §3.3.10), sorted,
// each once. A part written with no such value can never match.
std::vector<int> validValues(std::vector<int> values, const std::function<bool(int)> &valid,
                             bool &neverMatches) {
  bool written = !values.empty();
  std::erase_if(values, [&](int value) { return !valid(value); });
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  neverMatches = neverMatches || (written && values.empty());
  return values;
}

std::function<bool(int)> inRange(int low, int high) {
  return [=](int value) { return value >= low && value <= high; };
}

// Ordinals count from the start when positive, from the end when negative; 0 is none.
std::function<bool(int)> ordinalUpTo(int largest) {
  return [=](int value) { return value != 0 && value >= -largest && value <= largest; };
}

// libical counts weekdays from Sunday = 1.
int weekdayFromLibical(int weekday) { return (weekday + 5) % 7; }

std::optional<Frequency> frequencyOf(icalrecurrencetype_frequency frequency) {
  switch (frequency) {
  case ICAL_SECONDLY_RECURRENCE:
    return Frequency::secondly;
  case ICAL_MINUTELY_RECURRENCE:
    return Frequency::minutely;
  case ICAL_HOURLY_RECURRENCE:
    return Frequency::hourly;
  case ICAL_DAILY_RECURRENCE:
    return Frequency::daily;
  case ICAL_WEEKLY_RECURRENCE:
    return Frequency::weekly;
  case ICAL_MONTHLY_RECURRENCE:
    return Frequency::monthly;
  case ICAL_YEARLY_RECURRENCE:
    return Frequency::yearly;
  default:
    return std::nullopt;
  }
}

std::vector<int> monthsOf(const icalrecurrencetype &ical) {
  std::vector<int> months;
  for (int encoded : valuesOf(ical.by_month))
    // A leap month belongs to other calendars; in the Gregorian one it names no month.
    months.push_back(icalrecurrencetype_month_is_leap(static_cast<short>(encoded))
                         ? 0
                         : icalrecurrencetype_month_month(static_cast<short>(encoded)));
  return months;
}

std::vector<RuleWeekday> weekdaysOf(const icalrecurrencetype &ical, bool &neverMatches) {
  std::vector<RuleWeekday> weekdays;
  auto encoded = valuesOf(ical.by_day);
  for (int day : encoded) {
    auto weekday = icalrecurrencetype_day_day_of_week(static_cast<short>(day));
    int position = icalrecurrencetype_day_position(static_cast<short>(day));
    if (weekday != ICAL_NO_WEEKDAY && position >= -53 && position <= 53)
      weekdays.push_back({weekdayFromLibical(weekday), position});
  }
  neverMatches = neverMatches || (!encoded.empty() && weekdays.empty());
  return weekdays;
}

bool takesOrdinal(const std::vector<int> &values, int index, int count) {
  return std::any_of(values.begin(), values.end(),
                     [&](int value) { return value == index || value == index - count - 1; });
}

// Weeks begin on `weekStart`; week 1 of a year is the first one holding four of its days, as in
// ISO 8601 (RFC 5545 §3.3.10, BYWEEKNO).
std::int64_t firstDayOfWeekOne(int year, int weekStart) {
  std::int64_t january1 = dayNumberOf({year, 1, 1});
  int intoWeek = (weekdayOf(january1) - weekStart + 7) % 7;
  return january1 - intoWeek + (intoWeek > 3 ? 7 : 0);
}

// What the rule leaves out is taken from DTSTART (RFC 5545 §3.3.10): a yearly rule without day
// parts repeats on DTSTART's month and day, a monthly one on its day, a weekly one on its
// weekday, and each starts at DTSTART's time of day.
void fillDefaults(RecurrenceRule &rule, WallSeconds dtstart, bool allDay,
                  const icalrecurrencetype &ical) {
  std::int64_t day = floorDiv(dtstart, kSecondsPerDay);
  CivilDate date = civilDateOf(day);
  bool daysWritten = !valuesOf(ical.by_week_no).empty() || !valuesOf(ical.by_year_day).empty() ||
                     !valuesOf(ical.by_month_day).empty() || !valuesOf(ical.by_day).empty();
  if (!daysWritten) {
    if (rule.frequency == Frequency::yearly && valuesOf(ical.by_month).empty())
      rule.months = {date.month};
    if (rule.frequency == Frequency::yearly || rule.frequency == Frequency::monthly)
      rule.monthDays = {date.day};
    if (rule.frequency == Frequency::weekly)
      rule.weekdays = {{weekdayOf(day), 0}};
  }
  if (allDay) {
    rule.hours = rule.minutes = rule.seconds = {0};
    return;
  }
  auto time = static_cast<int>(dtstart - day * kSecondsPerDay);
  if (rule.frequency >= Frequency::daily && valuesOf(ical.by_hour).empty())
    rule.hours = {time / 3600};
  if (rule.frequency >= Frequency::hourly && valuesOf(ical.by_minute).empty())
    rule.minutes = {time / 60 % 60};
  if (rule.frequency >= Frequency::minutely && valuesOf(ical.by_second).empty())
    rule.seconds = {time % 60};
}

} // namespace

bool RecurrenceRule::takesDay(std::int64_t dayNumber) const {
  CivilDate date = civilDateOf(dayNumber);
  if (!months.empty() && !std::binary_search(months.begin(), months.end(), date.month))
    return false;
  int monthLength = daysInMonth(date.year, date.month);
  if (!monthDays.empty() && !takesOrdinal(monthDays, date.day, monthLength))
    return false;
  auto yearDay = static_cast<int>(dayNumber - dayNumberOf({date.year, 1, 1}) + 1);
  int yearLength = daysInYear(date.year);
  if (!yearDays.empty() && !takesOrdinal(yearDays, yearDay, yearLength))
    return false;
  if (!weekNumbers.empty()) {
    // A week that straddles New Year belongs to the year holding most of its days.
    int weekYear = date.year;
    if (dayNumber < firstDayOfWeekOne(date.year, weekStart))
      --weekYear;
    else if (dayNumber >= firstDayOfWeekOne(date.year + 1, weekStart))
      ++weekYear;
    std::int64_t weekOne = firstDayOfWeekOne(weekYear, weekStart);
    auto weeks = static_cast<int>((firstDayOfWeekOne(weekYear + 1, weekStart) - weekOne) / 7);
    auto week = static_cast<int>((dayNumber - weekOne) / 7 + 1);
    if (!takesOrdinal(weekNumbers, week, weeks))
      return false;
  }
  if (weekdays.empty())
    return true;
  // A numbered weekday counts within the month, or within the year of a yearly rule without
  // BYMONTH; more often than monthly the number means nothing (RFC 5545 §3.3.10, BYDAY).
  bool inYear = frequency == Frequency::yearly && months.empty();
  bool numbered = frequency == Frequency::monthly || frequency == Frequency::yearly;
  int index = inYear ? yearDay : date.day;
  int length = inYear ? yearLength : monthLength;
  int nth = (index - 1) / 7 + 1;
  int ofThatWeekday = nth + (length - index) / 7;
  int weekday = weekdayOf(dayNumber);
  return std::any_of(weekdays.begin(), weekdays.end(), [&](const RuleWeekday &rule) {
    return rule.weekday == weekday && (!numbered || rule.position == 0 || rule.position == nth ||
                                       rule.position == nth - ofThatWeekday - 1);
  });
}

IcalRule icalRuleOf(const std::string &text) {
  IcalRule parsed;
  parsed.rule = icalrecurrencetype_from_string(text.c_str());
  parsed.rscale.reset(parsed.rule.rscale);
  return parsed;
}

std::optional<RecurrenceRule> recurrenceRuleOf(const icalrecurrencetype &ical, WallSeconds dtstart,
                                               bool allDay) {
  auto frequency = frequencyOf(ical.freq);
  if (!frequency || (ical.rscale && ::strcasecmp(ical.rscale, "GREGORIAN") != 0) ||
      (allDay && *frequency < Frequency::daily))
    return std::nullopt;
  RecurrenceRule rule;
  rule.frequency = *frequency;
  rule.interval = std::max<std::int64_t>(ical.interval, 1);
  rule.count = std::max(ical.count, 0);
  bool &never = rule.neverMatches;
  rule.months = validValues(monthsOf(ical), inRange(1, 12), never);
  rule.weekNumbers = validValues(valuesOf(ical.by_week_no), ordinalUpTo(53), never);
  rule.yearDays = validValues(valuesOf(ical.by_year_day), ordinalUpTo(366), never);
  rule.monthDays = validValues(valuesOf(ical.by_month_day), ordinalUpTo(31), never);
  rule.weekdays = weekdaysOf(ical, never);
  rule.hours = validValues(valuesOf(ical.by_hour), inRange(0, 23), never);
  // No clock here shows a leap second: BYSECOND=60, which the format allows, names no time.
  rule.minutes = validValues(valuesOf(ical.by_minute), inRange(0, 59), never);
  rule.seconds = validValues(valuesOf(ical.by_second), inRange(0, 59), never);
  rule.setPositions = validValues(valuesOf(ical.by_set_pos), ordinalUpTo(366), never);
  rule.weekStart = ical.week_start == ICAL_NO_WEEKDAY ? 0 : weekdayFromLibical(ical.week_start);
  rule.writesByParts = !rule.months.empty() || !rule.weekNumbers.empty() ||
                       !rule.yearDays.empty() || !rule.monthDays.empty() ||
                       !rule.weekdays.empty() || !rule.hours.empty() || !rule.minutes.empty() ||
                       !rule.seconds.empty() || !rule.setPositions.empty() || never;
  fillDefaults(rule, dtstart, allDay, ical);
  return rule;
}

} // namespace kit::events
