#include "kit/events/RuleExpansion.h"

#include <algorithm>
#include <limits>

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

bool allows(const std::vector<int> &limit, int value) {
  return limit.empty() || std::binary_search(limit.begin(), limit.end(), value);
}

// Times of day, in seconds, that a daily or longer period expands each of its days to.
std::vector<int> timesOfDay(const RecurrenceRule &rule) {
  std::vector<int> times;
  for (int hour : rule.hours)
    for (int minute : rule.minutes)
      for (int second : rule.seconds)
        times.push_back(hour * 3600 + minute * 60 + second);
  return times;
}

// Where the starts of a shorter period lie in it: the minutes and seconds an hourly period
// expands to, the seconds of a minutely one, the second itself of a secondly one.
std::vector<int> offsetsInPeriod(const RecurrenceRule &rule) {
  if (rule.frequency == Frequency::secondly)
    return {0};
  std::vector<int> offsets;
  for (int minute : rule.frequency == Frequency::hourly ? rule.minutes : std::vector<int>{0})
    for (int second : rule.seconds)
      offsets.push_back(minute * 60 + second);
  return offsets;
}

// The days a daily or longer period spans, both included.
struct DaySpan {
  std::int64_t first;
  std::int64_t last;
};

class Expansion {
public:
  Expansion(const RecurrenceRule &rule, WallSeconds dtstart, WallSeconds from, WallSeconds to,
            const std::function<bool(WallSeconds)> &pastUntil, const ExpansionLimits &limits)
      : rule_(rule), dtstart_(dtstart), from_(from), to_(to), pastUntil_(pastUntil),
        limits_(limits), startDay_(floorDiv(dtstart, kSecondsPerDay)),
        startDate_(civilDateOf(startDay_)),
        periodSeconds_(unitSeconds(rule.frequency) * rule.interval),
        // A sub-daily period begins on its unit: the hour of an hourly rule, and so on.
        subDailyBase_(floorDiv(dtstart, unitSeconds(rule.frequency)) * unitSeconds(rule.frequency)),
        startWeek_(startDay_ - (weekdayOf(startDay_) - rule.weekStart + 7) % 7) {
    if (rule.frequency >= Frequency::daily)
      times_ = timesOfDay(rule);
    else
      offsets_ = offsetsInPeriod(rule);
  }

  std::optional<std::vector<WallSeconds>> run() {
    if (rule_.neverMatches)
      return found_;
    // Without BY-parts every period up to a week holds exactly one start, DTSTART's time in
    // it, so the count ends the series with period COUNT - 1.
    bool countsPeriods =
        rule_.count > 0 && !rule_.writesByParts && rule_.frequency <= Frequency::weekly;
    countsStarts_ = rule_.count > 0 && !countsPeriods;
    std::int64_t lastPeriod =
        countsPeriods ? rule_.count - 1 : std::numeric_limits<std::int64_t>::max();
    std::int64_t period = countsStarts_ ? 0 : periodAt(from_);
    while (!done_ && period <= lastPeriod && spend())
      period = rule_.frequency < Frequency::daily ? visitSubDaily(period) : visitDays(period);
    if (steps_ > limits_.maxSteps)
      return std::nullopt;
    return std::move(found_);
  }

  std::int64_t steps() const { return std::min(steps_, limits_.maxSteps); }

private:
  bool spend() { return ++steps_ <= limits_.maxSteps; }

  std::int64_t periodAt(WallSeconds wall) const {
    std::int64_t day = floorDiv(wall, kSecondsPerDay);
    std::int64_t index = 0;
    switch (rule_.frequency) {
    case Frequency::yearly:
      index = floorDiv(civilDateOf(day).year - startDate_.year, rule_.interval);
      break;
    case Frequency::monthly:
      index = floorDiv(monthIndexOf(civilDateOf(day)) - monthIndexOf(startDate_), rule_.interval);
      break;
    case Frequency::weekly:
      index = floorDiv(day - startWeek_, 7 * rule_.interval);
      break;
    case Frequency::daily:
      index = floorDiv(day - startDay_, rule_.interval);
      break;
    default:
      index = floorDiv(wall - subDailyBase_, periodSeconds_);
    }
    return std::max<std::int64_t>(index, 0);
  }

  DaySpan daysOf(std::int64_t period) const {
    switch (rule_.frequency) {
    case Frequency::yearly: {
      auto year = static_cast<int>(startDate_.year + period * rule_.interval);
      return {dayNumberOf({year, 1, 1}), dayNumberOf({year, 12, 31})};
    }
    case Frequency::monthly: {
      std::int64_t month = monthIndexOf(startDate_) + period * rule_.interval;
      auto year = static_cast<int>(floorDiv(month, 12));
      auto monthOfYear = static_cast<int>(month - std::int64_t{year} * 12 + 1);
      std::int64_t first = dayNumberOf({year, monthOfYear, 1});
      return {first, first + daysInMonth(year, monthOfYear) - 1};
    }
    case Frequency::weekly: {
      std::int64_t first = startWeek_ + 7 * rule_.interval * period;
      return {first, first + 6};
    }
    default: {
      std::int64_t day = startDay_ + rule_.interval * period;
      return {day, day};
    }
    }
  }

  // A daily or longer period: its days that pass the day parts, each at every time of day.
  std::int64_t visitDays(std::int64_t period) {
    DaySpan days = daysOf(period);
    if (days.first * kSecondsPerDay > to_) {
      done_ = true;
      return period;
    }
    // BYSETPOS picks from the whole period; otherwise only days that can reach the span count.
    if (rule_.setPositions.empty()) {
      days.first = std::max(days.first, startDay_);
      if (!countsStarts_)
        days.first = std::max(days.first, floorDiv(from_, kSecondsPerDay));
      days.last = std::min(days.last, floorDiv(to_, kSecondsPerDay));
    }
    candidates_.clear();
    for (std::int64_t day = days.first; day <= days.last;) {
      if (!spend())
        return period;
      // A month the rule leaves out is passed over whole.
      CivilDate date = civilDateOf(day);
      if (!allows(rule_.months, date.month)) {
        day = dayNumberOf({date.year, date.month, 1}) + daysInMonth(date.year, date.month);
        continue;
      }
      if (rule_.takesDay(day))
        for (int time : times_) {
          if (!spend())
            return period;
          candidates_.push_back(day * kSecondsPerDay + time);
        }
      ++day;
    }
    take();
    return period + 1;
  }

  // A period shorter than a day; one whose day, hour or minute is not taken passes on to the
  // first period of the next day, hour or minute, so a rule that never matches costs a step a
  // day.
  std::int64_t visitSubDaily(std::int64_t period) {
    WallSeconds start = subDailyBase_ + period * periodSeconds_;
    if (start > to_) {
      done_ = true;
      return period;
    }
    std::int64_t day = floorDiv(start, kSecondsPerDay);
    if (!dayTaken(day))
      return firstPeriodFrom((day + 1) * kSecondsPerDay, period);
    auto time = static_cast<int>(start - day * kSecondsPerDay);
    int hour = time / 3600;
    int minute = time / 60 % 60;
    if (!allows(rule_.hours, hour))
      return firstPeriodFrom(day * kSecondsPerDay + (hour + 1) * 3600, period);
    if (rule_.frequency <= Frequency::minutely && !allows(rule_.minutes, minute))
      return firstPeriodFrom(start - time % 60 + 60, period);
    if (rule_.frequency == Frequency::secondly && !allows(rule_.seconds, time % 60))
      return period + 1;
    candidates_.clear();
    for (int offset : offsets_)
      if (spend())
        candidates_.push_back(start + offset);
    take();
    return period + 1;
  }

  std::int64_t firstPeriodFrom(WallSeconds wall, std::int64_t current) const {
    return std::max(current + 1, ceilDiv(wall - subDailyBase_, periodSeconds_));
  }

  bool dayTaken(std::int64_t day) {
    if (day != lastDay_) {
      lastDay_ = day;
      lastDayTaken_ = rule_.takesDay(day);
    }
    return lastDayTaken_;
  }

  // The starts of one period, in order, through BYSETPOS, DTSTART, UNTIL and COUNT.
  void take() {
    if (!rule_.setPositions.empty())
      pickSetPositions();
    for (WallSeconds start : candidates_) {
      if (start < dtstart_)
        continue;
      if (start > to_ || (pastUntil_ && pastUntil_(start)) ||
          (countsStarts_ && start != dtstart_ && ++counted_ > rule_.count) ||
          (lastNeeded_ && start > *lastNeeded_)) {
        done_ = true;
        return;
      }
      if (start < from_)
        continue;
      found_.push_back(start);
      if ((!limits_.counts || limits_.counts(start)) && ++counting_ == limits_.enough)
        lastNeeded_ = start + limits_.margin;
    }
  }

  void pickSetPositions() {
    std::vector<WallSeconds> picked;
    auto size = static_cast<int>(candidates_.size());
    for (int position : rule_.setPositions) {
      int index = position > 0 ? position - 1 : size + position;
      if (index >= 0 && index < size)
        picked.push_back(candidates_[static_cast<std::size_t>(index)]);
    }
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    candidates_ = std::move(picked);
  }

  const RecurrenceRule &rule_;
  WallSeconds dtstart_;
  WallSeconds from_;
  WallSeconds to_;
  const std::function<bool(WallSeconds)> &pastUntil_;
  const ExpansionLimits &limits_;
  std::int64_t startDay_;
  CivilDate startDate_;
  std::int64_t periodSeconds_;
  WallSeconds subDailyBase_;
  std::int64_t startWeek_;   // the first day of DTSTART's week
  std::vector<int> times_;   // of a daily or longer period
  std::vector<int> offsets_; // of a shorter one
  std::vector<WallSeconds> candidates_;
  std::vector<WallSeconds> found_;
  std::int64_t steps_ = 0;
  std::int64_t counted_ = 1; // DTSTART
  std::size_t counting_ = 0; // starts that count toward enough
  std::optional<WallSeconds> lastNeeded_;
  std::int64_t lastDay_ = std::numeric_limits<std::int64_t>::min();
  bool lastDayTaken_ = false;
  bool countsStarts_ = false;
  bool done_ = false;
};

} // namespace

std::optional<std::vector<WallSeconds>>
expandRule(const RecurrenceRule &rule, WallSeconds dtstart, WallSeconds from, WallSeconds to,
           const std::function<bool(WallSeconds)> &pastUntil, const ExpansionLimits &limits,
           std::int64_t *steps) {
  Expansion expansion(rule, dtstart, from, to, pastUntil, limits);
  auto starts = expansion.run();
  if (steps)
    *steps = expansion.steps();
  return starts;
}

} // namespace kit::events
