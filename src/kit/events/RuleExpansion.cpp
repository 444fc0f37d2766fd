#include "kit/events/RuleExpansion.h"

#include "kit/events/RulePeriods.h"

#include <algorithm>
#include <limits>
#include <span>

namespace kit::events {

namespace {

// The start of the day, hour or minute after the one holding `wall`.
WallSeconds startOfNext(WallSeconds wall, std::int64_t unit) {
  return (floorDiv(wall, unit) + 1) * unit;
}

int secondOfDay(WallSeconds wall) {
  return static_cast<int>(wall - floorDiv(wall, kSecondsPerDay) * kSecondsPerDay);
}

// BYHOUR, BYMINUTE and BYSECOND below a period's own unit expand it (RFC 5545 §3.3.10): a day
// to each of its times, an hour to its minutes and seconds, a minute to its seconds. The times
// are walked as they are used, each charged as it is made, never listed ahead: three parts of
// 24, 60 and 60 values make 86,400 times of a day that may never come.
class PeriodTimes {
public:
  explicit PeriodTimes(const RecurrenceRule &rule)
      : hours_(expanding(rule, Frequency::daily, rule.hours)),
        minutes_(expanding(rule, Frequency::hourly, rule.minutes)),
        seconds_(expanding(rule, Frequency::minutely, rule.seconds)) {}

  // Hands each offset from the period's start, in order, to `take` until it returns false;
  // false when it did.
  template <typename Take> bool each(Take take) const {
    for (int hour : hours_)
      for (int minute : minutes_)
        for (int second : seconds_)
          if (!take(hour * 3600 + minute * 60 + second))
            return false;
    return true;
  }

private:
  static std::span<const int> expanding(const RecurrenceRule &rule, Frequency from,
                                        const std::vector<int> &part) {
    static constexpr int kStart[] = {0};
    return rule.frequency >= from ? std::span<const int>(part) : std::span<const int>(kStart);
  }

  std::span<const int> hours_;
  std::span<const int> minutes_;
  std::span<const int> seconds_;
};

// BYSETPOS (RFC 5545 §3.3.10): the starts of one whole period at the positions written, from
// its end when negative, in time order and each once.
std::vector<WallSeconds> atSetPositions(const std::vector<WallSeconds> &starts,
                                        const std::vector<int> &positions) {
  std::vector<WallSeconds> picked;
  auto size = static_cast<int>(starts.size());
  for (int position : positions) {
    int index = position > 0 ? position - 1 : size + position;
    if (index >= 0 && index < size)
      picked.push_back(starts[static_cast<std::size_t>(index)]);
  }
  std::sort(picked.begin(), picked.end());
  picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
  return picked;
}

// The starts a series keeps, period by period in time order, and where it ends: at the window's
// end, past UNTIL (inclusive) or COUNT (DTSTART counted first, RFC 5545 §3.8.5.3), or once it
// has enough.
class SeriesStarts {
public:
  SeriesStarts(const RecurrenceRule &rule, WallSeconds dtstart, WallSeconds from, WallSeconds to,
               const std::function<bool(WallSeconds)> &pastUntil, const ExpansionLimits &limits)
      : rule_(rule), dtstart_(dtstart), from_(from), to_(to), pastUntil_(pastUntil),
        limits_(limits) {}

  // Whether the series walks from DTSTART counting every start: without BY-parts every period
  // up to a week holds exactly one start, so a COUNT there ends it at period COUNT - 1.
  bool countsStarts() const { return rule_.count > 0 && !countsPeriods(); }
  std::int64_t lastPeriod() const {
    return countsPeriods() ? rule_.count - 1 : std::numeric_limits<std::int64_t>::max();
  }

  // The starts of one period, in order.
  void add(const std::vector<WallSeconds> &starts) {
    for (WallSeconds start : starts) {
      if (start < dtstart_)
        continue;
      if (endsBefore(start)) {
        ended_ = true;
        return;
      }
      if (start >= from_)
        keep(start);
    }
  }

  bool ended() const { return ended_; }
  std::vector<WallSeconds> found() && { return std::move(found_); }

private:
  bool countsPeriods() const {
    return rule_.count > 0 && !rule_.writesByParts && rule_.frequency <= Frequency::weekly;
  }

  bool endsBefore(WallSeconds start) {
    return start > to_ || (pastUntil_ && pastUntil_(start)) || pastCount(start) ||
           (lastNeeded_ && start > *lastNeeded_);
  }

  bool pastCount(WallSeconds start) {
    return countsStarts() && start != dtstart_ && ++counted_ > rule_.count;
  }

  void keep(WallSeconds start) {
    found_.push_back(start);
    if ((!limits_.counts || limits_.counts(start)) && ++counting_ == limits_.enough)
      lastNeeded_ = start + limits_.margin;
  }

  const RecurrenceRule &rule_;
  WallSeconds dtstart_;
  WallSeconds from_;
  WallSeconds to_;
  const std::function<bool(WallSeconds)> &pastUntil_;
  const ExpansionLimits &limits_;
  std::vector<WallSeconds> found_;
  std::int64_t counted_ = 1; // DTSTART
  std::size_t counting_ = 0; // starts that count toward enough
  std::optional<WallSeconds> lastNeeded_;
  bool ended_ = false;
};

// One expansion: period by period, each BY-part applied in RFC 5545's order, every step of the
// work counted.
class Expansion {
public:
  Expansion(const RecurrenceRule &rule, WallSeconds dtstart, WallSeconds from, WallSeconds to,
            const std::function<bool(WallSeconds)> &pastUntil, const ExpansionLimits &limits)
      : rule_(rule), from_(from), to_(to), maxSteps_(limits.maxSteps), periods_(rule, dtstart),
        times_(rule), series_(rule, dtstart, from, to, pastUntil, limits) {}

  std::optional<std::vector<WallSeconds>> run() {
    if (rule_.neverMatches)
      return std::vector<WallSeconds>{};
    std::int64_t period = series_.countsStarts() ? 0 : periods_.at(from_);
    while (!series_.ended() && !passedWindow_ && period <= series_.lastPeriod() && spend())
      period = rule_.frequency < Frequency::daily ? visitSubDaily(period) : visitDays(period);
    if (steps_ > maxSteps_)
      return std::nullopt;
    return std::move(series_).found();
  }

  std::int64_t steps() const { return std::min(steps_, maxSteps_); }

private:
  bool spend() { return ++steps_ <= maxSteps_; }

  // A daily or longer period: its days that pass BYMONTH to BYDAY, each at every time of day,
  // then BYSETPOS. The next period to visit.
  std::int64_t visitDays(std::int64_t period) {
    DaySpan days = periods_.days(period);
    if (days.first * kSecondsPerDay > to_) {
      passedWindow_ = true;
      return period;
    }
    candidates_.clear();
    if (!addDays(daysToLookAt(days)))
      return period;
    keepCandidates();
    return period + 1;
  }

  // BYSETPOS picks from the whole period; otherwise only days that can reach the span count.
  DaySpan daysToLookAt(DaySpan days) const {
    if (!rule_.setPositions.empty())
      return days;
    days.first = std::max(days.first, periods_.startDay());
    if (!series_.countsStarts())
      days.first = std::max(days.first, floorDiv(from_, kSecondsPerDay));
    days.last = std::min(days.last, floorDiv(to_, kSecondsPerDay));
    return days;
  }

  // False when the steps ran out.
  bool addDays(DaySpan days) {
    for (std::int64_t day = days.first; day <= days.last;) {
      if (!spend())
        return false;
      // BYMONTH first: a month the rule leaves out is passed over whole.
      CivilDate date = civilDateOf(day);
      if (!allows(rule_.months, date.month)) {
        day = dayNumberOf({date.year, date.month, 1}) + daysInMonth(date.year, date.month);
        continue;
      }
      if (rule_.takesDay(day) && !addTimesFrom(day * kSecondsPerDay))
        return false;
      ++day;
    }
    return true;
  }

  // False when the steps ran out.
  bool addTimesFrom(WallSeconds start) {
    return times_.each([&](int time) {
      if (!spend())
        return false;
      candidates_.push_back(start + time);
      return true;
    });
  }

  // A period shorter than a day: when one of BYMONTH to BYDAY, BYHOUR, BYMINUTE or BYSECOND
  // leaves it out, the next one visited is the first of the next day, hour, minute or second,
  // so a rule that never matches costs a step a day. Otherwise it expands to its times, then
  // BYSETPOS. The next period to visit.
  std::int64_t visitSubDaily(std::int64_t period) {
    WallSeconds start = periods_.start(period);
    if (start > to_) {
      passedWindow_ = true;
      return period;
    }
    if (auto next = nextAfterLeftOut(start))
      return periods_.firstFrom(*next, period);
    candidates_.clear();
    if (!addTimesFrom(start))
      return period;
    keepCandidates();
    return period + 1;
  }

  // Where the next sub-daily period that can be taken may begin, when the one at `start` cannot:
  // each BY-part at or above the frequency's own unit limits it.
  std::optional<WallSeconds> nextAfterLeftOut(WallSeconds start) {
    int time = secondOfDay(start);
    if (!dayTaken(floorDiv(start, kSecondsPerDay)))
      return startOfNext(start, kSecondsPerDay);
    if (!allows(rule_.hours, time / 3600))
      return startOfNext(start, 3600);
    if (rule_.frequency <= Frequency::minutely && !allows(rule_.minutes, time / 60 % 60))
      return startOfNext(start, 60);
    if (rule_.frequency == Frequency::secondly && !allows(rule_.seconds, time % 60))
      return start + 1;
    return std::nullopt;
  }

  // Sub-daily periods look at one day many times over.
  bool dayTaken(std::int64_t day) {
    if (day != lastDay_) {
      lastDay_ = day;
      lastDayTaken_ = rule_.takesDay(day);
    }
    return lastDayTaken_;
  }

  void keepCandidates() {
    if (!rule_.setPositions.empty())
      candidates_ = atSetPositions(candidates_, rule_.setPositions);
    series_.add(candidates_);
  }

  const RecurrenceRule &rule_;
  WallSeconds from_;
  WallSeconds to_;
  std::int64_t maxSteps_;
  RulePeriods periods_;
  PeriodTimes times_;
  SeriesStarts series_;
  std::vector<WallSeconds> candidates_;
  std::int64_t steps_ = 0;
  std::int64_t lastDay_ = std::numeric_limits<std::int64_t>::min();
  bool lastDayTaken_ = false;
  bool passedWindow_ = false;
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
