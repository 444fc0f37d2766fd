#include "kit/events/RulePeriods.h"

#include <algorithm>

namespace kit::events {

namespace {

std::int64_t unitSeconds(Frequency frequency) {
  switch (frequency) {
  case Frequency::secondly:
    return 1;
  case Frequency::minutely:
    return 60;
  case Frequency::hourly:
    return 3600;
  default:
    return kSecondsPerDay;
  }
}

std::int64_t monthIndexOf(CivilDate date) { return std::int64_t{date.year} * 12 + date.month - 1; }

} // namespace

RulePeriods::RulePeriods(const RecurrenceRule &rule, WallSeconds dtstart)
    : frequency_(rule.frequency), interval_(rule.interval),
      startDay_(floorDiv(dtstart, kSecondsPerDay)), startDate_(civilDateOf(startDay_)),
      startWeek_(startDay_ - (weekdayOf(startDay_) - rule.weekStart + 7) % 7),
      periodSeconds_(unitSeconds(rule.frequency) * rule.interval),
      // A sub-daily period begins on its unit: the hour of an hourly rule, and so on.
      subDailyBase_(floorDiv(dtstart, unitSeconds(rule.frequency)) * unitSeconds(rule.frequency)) {}

std::int64_t RulePeriods::at(WallSeconds wall) const {
  std::int64_t day = floorDiv(wall, kSecondsPerDay);
  std::int64_t index = 0;
  switch (frequency_) {
  case Frequency::yearly:
    index = floorDiv(civilDateOf(day).year - startDate_.year, interval_);
    break;
  case Frequency::monthly:
    index = floorDiv(monthIndexOf(civilDateOf(day)) - monthIndexOf(startDate_), interval_);
    break;
  case Frequency::weekly:
    index = floorDiv(day - startWeek_, 7 * interval_);
    break;
  case Frequency::daily:
    index = floorDiv(day - startDay_, interval_);
    break;
  default:
    index = floorDiv(wall - subDailyBase_, periodSeconds_);
  }
  return std::max<std::int64_t>(index, 0);
}

DaySpan RulePeriods::days(std::int64_t period) const {
  switch (frequency_) {
  case Frequency::yearly: {
    auto year = static_cast<int>(startDate_.year + period * interval_);
    return {dayNumberOf({year, 1, 1}), dayNumberOf({year, 12, 31})};
  }
  case Frequency::monthly: {
    std::int64_t month = monthIndexOf(startDate_) + period * interval_;
    auto year = static_cast<int>(floorDiv(month, 12));
    auto monthOfYear = static_cast<int>(month - std::int64_t{year} * 12 + 1);
    std::int64_t first = dayNumberOf({year, monthOfYear, 1});
    return {first, first + daysInMonth(year, monthOfYear) - 1};
  }
  case Frequency::weekly: {
    std::int64_t first = startWeek_ + 7 * interval_ * period;
    return {first, first + 6};
  }
  default: {
    std::int64_t day = startDay_ + interval_ * period;
    return {day, day};
  }
  }
}

WallSeconds RulePeriods::start(std::int64_t period) const {
  return subDailyBase_ + period * periodSeconds_;
}

std::int64_t RulePeriods::firstFrom(WallSeconds wall, std::int64_t current) const {
  return std::max(current + 1, ceilDiv(wall - subDailyBase_, periodSeconds_));
}

} // namespace kit::events
