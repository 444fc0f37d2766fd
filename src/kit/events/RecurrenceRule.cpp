#include "kit/events/RecurrenceRule.h"

#include "kit/foundation/TextOperations.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

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

// Ordinals count from the start when positive, from the end when negative; an empty list does not
// limit.
bool allowsOrdinal(const std::vector<int> &values, int index, int count) {
  return values.empty() || std::any_of(values.begin(), values.end(), [&](int value) {
           return value == index || value == index - count - 1;
         });
}

// Weeks begin on `weekStart`; week 1 of a year is the first one holding four of its days, as in
// ISO 8601 (RFC 5545 §3.3.10, BYWEEKNO).
std::int64_t firstDayOfWeekOne(int year, int weekStart) {
  std::int64_t january1 = dayNumberOf({year, 1, 1});
  int intoWeek = (weekdayOf(january1) - weekStart + 7) % 7;
  return january1 - intoWeek + (intoWeek > 3 ? 7 : 0);
}

// Where a day stands in its month and year, as the day parts read it.
struct DayPlace {
  std::int64_t number;
  CivilDate date;
  int yearDay; // from 1
  int monthLength;
  int yearLength;
};

DayPlace dayPlaceOf(std::int64_t dayNumber) {
  CivilDate date = civilDateOf(dayNumber);
  return {.number = dayNumber,
          .date = date,
          .yearDay = static_cast<int>(dayNumber - dayNumberOf({date.year, 1, 1}) + 1),
          .monthLength = daysInMonth(date.year, date.month),
          .yearLength = daysInYear(date.year)};
}

// A week that straddles New Year belongs to the year holding most of its days.
bool takesWeekNumber(const RecurrenceRule &rule, const DayPlace &day) {
  if (rule.weekNumbers.empty())
    return true;
  int weekYear = day.date.year;
  if (day.number < firstDayOfWeekOne(weekYear, rule.weekStart))
    --weekYear;
  else if (day.number >= firstDayOfWeekOne(weekYear + 1, rule.weekStart))
    ++weekYear;
  std::int64_t weekOne = firstDayOfWeekOne(weekYear, rule.weekStart);
  auto weeks = static_cast<int>((firstDayOfWeekOne(weekYear + 1, rule.weekStart) - weekOne) / 7);
  auto week = static_cast<int>((day.number - weekOne) / 7 + 1);
  return allowsOrdinal(rule.weekNumbers, week, weeks);
}

// A numbered weekday counts within the month, or within the year of a yearly rule without
// BYMONTH; more often than monthly the number means nothing (RFC 5545 §3.3.10, BYDAY).
bool takesWeekday(const RecurrenceRule &rule, const DayPlace &day) {
  if (rule.weekdays.empty())
    return true;
  bool inYear = rule.frequency == Frequency::yearly && rule.months.empty();
  bool numbered = rule.frequency == Frequency::monthly || rule.frequency == Frequency::yearly;
  int index = inYear ? day.yearDay : day.date.day;
  int length = inYear ? day.yearLength : day.monthLength;
  int nth = (index - 1) / 7 + 1;
  int ofThatWeekday = nth + (length - index) / 7;
  int weekday = weekdayOf(day.number);
  return std::any_of(rule.weekdays.begin(), rule.weekdays.end(), [&](const RuleWeekday &written) {
    return written.weekday == weekday &&
           (!numbered || written.position == 0 || written.position == nth ||
            written.position == nth - ofThatWeekday - 1);
  });
}

// What the rule leaves out is taken from DTSTART (RFC 5545 §3.3.10). Without day parts a yearly
// rule repeats on DTSTART's month and day, a monthly one on its day, a weekly one on its weekday.
void fillDefaultDays(RecurrenceRule &rule, std::int64_t day, const icalrecurrencetype &ical) {
  bool daysWritten = !valuesOf(ical.by_week_no).empty() || !valuesOf(ical.by_year_day).empty() ||
                     !valuesOf(ical.by_month_day).empty() || !valuesOf(ical.by_day).empty();
  if (daysWritten)
    return;
  CivilDate date = civilDateOf(day);
  if (rule.frequency == Frequency::yearly && valuesOf(ical.by_month).empty())
    rule.months = {date.month};
  if (rule.frequency == Frequency::yearly || rule.frequency == Frequency::monthly)
    rule.monthDays = {date.day};
  if (rule.frequency == Frequency::weekly)
    rule.weekdays = {{weekdayOf(day), 0}};
}

// The hour, minute and second not written are DTSTART's where the frequency does not step them.
void fillDefaultTimes(RecurrenceRule &rule, int time, const icalrecurrencetype &ical) {
  if (rule.frequency >= Frequency::daily && valuesOf(ical.by_hour).empty())
    rule.hours = {time / 3600};
  if (rule.frequency >= Frequency::hourly && valuesOf(ical.by_minute).empty())
    rule.minutes = {time / 60 % 60};
  if (rule.frequency >= Frequency::minutely && valuesOf(ical.by_second).empty())
    rule.seconds = {time % 60};
}

// The most starts one period can hold: each of its days at each time the rule expands a day,
// hour or minute to.
std::int64_t mostStartsInAPeriod(const RecurrenceRule &rule) {
  std::int64_t days = 1;
  if (rule.frequency == Frequency::weekly)
    days = 7;
  else if (rule.frequency == Frequency::monthly)
    days = 31;
  else if (rule.frequency == Frequency::yearly)
    days = 366;
  auto expanded = [&](const std::vector<int> &part, Frequency from) {
    return rule.frequency >= from ? static_cast<std::int64_t>(std::max<std::size_t>(part.size(), 1))
                                  : std::int64_t{1};
  };
  return days * expanded(rule.hours, Frequency::daily) * expanded(rule.minutes, Frequency::hourly) *
         expanded(rule.seconds, Frequency::minutely);
}

// Whether some month the rule allows has one of the days BYMONTHDAY names (February has 29).
bool someMonthHasADay(const RecurrenceRule &rule) {
  if (rule.monthDays.empty())
    return true;
  for (int month = 1; month <= 12; ++month) {
    if (!allows(rule.months, month))
      continue;
    int longest = daysInMonth(2000, month);
    for (int day : rule.monthDays)
      if (std::abs(day) <= longest)
        return true;
  }
  return false;
}

// Rules no day or time can ever match are told at once, so they cost nothing to read: BYSETPOS
// past the most starts a period can hold, or only days that no month allowed has.
bool neverMatches(const RecurrenceRule &rule) {
  if (!someMonthHasADay(rule))
    return true;
  if (rule.setPositions.empty())
    return false;
  std::int64_t most = mostStartsInAPeriod(rule);
  return std::none_of(rule.setPositions.begin(), rule.setPositions.end(),
                      [&](int position) { return std::abs(position) <= most; });
}

} // namespace

bool RecurrenceRule::takesDay(std::int64_t dayNumber) const {
  DayPlace day = dayPlaceOf(dayNumber);
  return allows(months, day.date.month) && takesWeekNumber(*this, day) &&
         allowsOrdinal(yearDays, day.yearDay, day.yearLength) &&
         allowsOrdinal(monthDays, day.date.day, day.monthLength) && takesWeekday(*this, day);
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
  if (!frequency ||
      (ical.rscale && !foundation::equalsIgnoringASCIICase(ical.rscale, "GREGORIAN")) ||
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
  std::int64_t day = floorDiv(dtstart, kSecondsPerDay);
  fillDefaultDays(rule, day, ical);
  if (allDay)
    rule.hours = rule.minutes = rule.seconds = {0};
  else
    fillDefaultTimes(rule, static_cast<int>(dtstart - day * kSecondsPerDay), ical);
  rule.neverMatches = rule.neverMatches || neverMatches(rule);
  return rule;
}

} // namespace kit::events
