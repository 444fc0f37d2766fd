#include "kit/events/Recurrence.h"

#include "kit/events/RuleExpansion.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kit::events {

namespace {

using foundation::Date;

// Instants are held to the years 1 to 9999, the calendar both libical and the wall clock know.
constexpr double kFirstUnixSecond = -62135596800.0;
constexpr double kLastUnixSecond = 253402300799.0;

struct Window {
  Date earliest; // the first start that can still reach into the window
  Date end;
  const Zone *local;
};

using Excluded = std::set<Date>;

// The time `like` is written as (a day, or a wall time in its zone), read `wall` on its clock.
ZonedTime zonedAt(WallSeconds wall, const ZonedTime &like) {
  return {.time = timeAt(wall, like.time), .zone = like.zone};
}

std::int64_t unixSecondsOf(Date date, double (*round)(double)) {
  return static_cast<std::int64_t>(
      round(std::clamp(date.unixTime(), kFirstUnixSecond, kLastUnixSecond)));
}

struct WallSpan {
  WallSeconds from;
  WallSeconds to;
  // How far the clock jumps forward at most over the window.
  WallSeconds forwardJump;
};

// The readings of the zone's wall clock over the window: with the smallest offset near its
// start and the largest near its end, so that no reading of an instant inside is left out
// while the clock changes there.
WallSpan wallSpanOf(const Window &window, const Zone *zone) {
  std::int64_t earliest = unixSecondsOf(window.earliest, std::floor);
  std::int64_t end = unixSecondsOf(window.end, std::ceil);
  std::int64_t offsets[] = {zone->offsetAt(earliest), zone->offsetAt(earliest + kSecondsPerDay),
                            zone->offsetAt(end - kSecondsPerDay), zone->offsetAt(end)};
  auto [smallest, largest] = std::minmax_element(std::begin(offsets), std::end(offsets));
  return {earliest + std::min(offsets[0], offsets[1]), end + std::max(offsets[2], offsets[3]),
          *largest - *smallest};
}

// Whether a start lies beyond the rule's UNTIL, which is inclusive (RFC 5545 §3.3.10): a UTC one
// is a moment, as the format asks of a series in a zone; anything else is read on the series'
// own wall clock (a day as its midnight).
std::function<bool(WallSeconds)> pastUntil(const icaltimetype &until, const ZonedTime &dtstart,
                                           const Zone *local) {
  if (icaltime_is_null_time(until))
    return {};
  if (icaltime_is_utc(until) && !until.is_date) {
    Date last = instantOf({.time = until, .zone = nullptr}, local);
    return [=](WallSeconds wall) { return instantOf(zonedAt(wall, dtstart), local) > last; };
  }
  WallSeconds last = wallSecondsOf(until);
  return [=](WallSeconds wall) { return wall > last; };
}

// The starts kept, each moment once, those the reading can use only: once it has more than it
// can keep, the earliest are kept, so that a rule giving millions costs no more than its share.
// A rule may give tens of thousands at once, so keeping one allocates nothing of its own.
class KeptStarts {
public:
  KeptStarts(const OccurrenceWindow &wanted, std::size_t room) : wanted_(wanted), room_(room) {}

  // Room for `count` more starts, up to what is kept at most, grown as a vector grows.
  void reserve(std::size_t count) {
    std::size_t needed = kept_.size() + std::min(count, 2 * room_ + 64);
    if (needed > kept_.capacity())
      kept_.reserve(std::max(needed, 2 * kept_.capacity()));
  }

  // A start that may reach into the window and is not excluded.
  void add(const OccurrenceStart &start, Date moment) {
    // A period lasts its own span, not the event's: the reading checks it.
    if (!start.period && wanted_.counts && !wanted_.counts(start.start, moment))
      return;
    kept_.emplace_back(moment, start);
    if (kept_.size() > 2 * room_ + 64)
      keepEarliest();
  }

  std::vector<OccurrenceStart> inOrder() && {
    keepEarliest();
    std::vector<OccurrenceStart> starts;
    starts.reserve(kept_.size());
    for (auto &[moment, start] : kept_)
      starts.push_back(std::move(start));
    return starts;
  }

private:
  // Each moment once, as it was first added; every period, and the earliest other starts up to
  // the room.
  void keepEarliest() {
    auto earlier = [](const auto &a, const auto &b) { return a.first < b.first; };
    // Mostly in order already: a rule gives its starts so, but for a clock turned back.
    if (!std::is_sorted(kept_.begin(), kept_.end(), earlier))
      std::stable_sort(kept_.begin(), kept_.end(), earlier);
    kept_.erase(std::unique(kept_.begin(), kept_.end(),
                            [](const auto &a, const auto &b) { return a.first == b.first; }),
                kept_.end());
    std::size_t others = 0;
    std::erase_if(kept_,
                  [&](const auto &entry) { return !entry.second.period && ++others > room_; });
  }

  const OccurrenceWindow &wanted_;
  std::size_t room_;
  std::vector<std::pair<Date, OccurrenceStart>> kept_;
};

void addRuleStarts(std::string_view text, const ZonedTime &dtstart, const Window &window,
                   const OccurrenceWindow &wanted, const Excluded &excluded, FileAccount &account,
                   KeptStarts &kept) {
  if (!account.take(ReadingBudget::steps, ReadingBudget::kRuleSteps))
    return;
  IcalRule parsed = icalRuleOf(std::string(text));
  const icalrecurrencetype &ical = parsed.rule;
  WallSeconds first = wallSecondsOf(dtstart.time);
  auto rule = recurrenceRuleOf(ical, first, dtstart.isDate());
  if (!rule)
    return;
  WallSpan span = wallSpanOf(window, effectiveZone(dtstart, window.local));
  ExpansionLimits limits{.maxSteps =
                             std::min(kMaxRuleSteps, account.available(ReadingBudget::steps)),
                         .enough = wanted.enough,
                         .counts = {},
                         .margin = span.forwardJump};
  // The wall span reaches past the window by the clock's changes: a start read there is kept
  // nowhere, so it cannot count toward enough.
  if (wanted.counts && wanted.enough != std::numeric_limits<std::size_t>::max())
    limits.counts = [&](WallSeconds wall) {
      ZonedTime start = zonedAt(wall, dtstart);
      Date moment = instantOf(start, window.local);
      return moment >= window.earliest && moment < window.end && !excluded.count(moment) &&
             wanted.counts(start, moment);
    };
  std::int64_t steps = 0;
  auto walls = expandRule(*rule, first, span.from, span.to,
                          pastUntil(ical.until, dtstart, window.local), limits, &steps);
  account.spend(ReadingBudget::steps, steps);
  // A rule that takes more work than that is left out of this reading; DTSTART, RDATE and the
  // other items still show.
  if (!walls)
    return;
  kept.reserve(walls->size());
  for (WallSeconds wall : *walls) {
    ZonedTime start = zonedAt(wall, dtstart);
    Date moment = instantOf(start, window.local);
    if (moment >= window.earliest && moment < window.end && !excluded.count(moment))
      kept.add({start, std::nullopt}, moment);
  }
}

// EXDATE values (RFC 5545 §3.8.5.1) leave out the starts at the same moment, whichever zone
// either is written in.
Excluded excludedMoments(const std::vector<Property> &exdates, const FileZones &zones,
                         const Zone *local) {
  Excluded excluded;
  for (const auto &property : exdates)
    if (auto time = zonedTimeOf(property, zones))
      excluded.insert(instantOf(*time, local));
  return excluded;
}

// Whether a start may reach into the window: a period by its own end, any other by the
// longest an occurrence lasts.
bool mayReach(const OccurrenceStart &start, Date moment, const Window &window, Date windowStart) {
  if (moment >= window.end)
    return false;
  if (!start.period)
    return moment >= window.earliest;
  if (!start.period->end)
    return true; // its duration counts from its start; the reading checks it
  return instantOf(*start.period->end, window.local) > windowStart || moment >= windowStart;
}

// RDATE values (RFC 5545 §3.8.5.2): days, times, or periods that carry their own end.
void addDates(const std::vector<Property> &rdates, const FileZones &zones, const Window &window,
              Date windowStart, const Excluded &excluded, KeptStarts &kept) {
  for (const auto &property : rdates) {
    OccurrenceStart start;
    if (auto period = zonedPeriodOf(property, zones))
      start = {period->start, period};
    else if (auto time = zonedTimeOf(property, zones))
      start = {*time, std::nullopt};
    else
      continue;
    Date moment = instantOf(start.start, window.local);
    if (mayReach(start, moment, window, windowStart) && !excluded.count(moment))
      kept.add(start, moment);
  }
}

} // namespace

std::vector<OccurrenceStart> occurrenceStarts(const ItemComponent &event, const FileZones &zones,
                                              const ZonedTime &dtstart,
                                              const OccurrenceWindow &wanted,
                                              FileAccount &account) {
  Window window{wanted.start.addingTimeInterval(-wanted.longestSeconds), wanted.end, wanted.local};
  auto exdates = event.all(PropertyName::exdate);
  auto rdates = event.all(PropertyName::rdate);
  // Dates the reading cannot afford to read leave the event unknown: it shows nothing.
  auto dates = static_cast<std::int64_t>(exdates.size() + rdates.size());
  if (!account.take(ReadingBudget::steps, dates * ReadingBudget::kDateSteps))
    return {};
  auto excluded = excludedMoments(exdates, zones, wanted.local);
  bool limited = wanted.enough != std::numeric_limits<std::size_t>::max();
  KeptStarts kept(
      wanted, limited ? wanted.enough
                      : static_cast<std::size_t>(account.available(ReadingBudget::occurrences)));
  OccurrenceStart first{dtstart, std::nullopt};
  Date firstMoment = instantOf(dtstart, wanted.local);
  if (mayReach(first, firstMoment, window, wanted.start) && !excluded.count(firstMoment))
    kept.add(first, firstMoment);
  for (const auto &property : event.all(PropertyName::rrule))
    addRuleStarts(property.value, dtstart, window, wanted, excluded, account, kept);
  addDates(rdates, zones, window, wanted.start, excluded, kept);
  return std::move(kept).inOrder();
}

ZonedTime namedOccurrence(const ZonedTime &recurrenceId, const ItemComponent &series,
                          const FileZones &zones, const ZonedTime &dtstart, const Zone *local,
                          FileAccount &account) {
  if (dtstart.isDate() || (!recurrenceId.isFloating() && !recurrenceId.isDate()))
    return recurrenceId;
  // On the series' clock: its zone, UTC's mark, or neither.
  ZonedTime named{.time = recurrenceId.time, .zone = dtstart.zone};
  named.time.zone = dtstart.time.zone;
  if (!recurrenceId.isDate())
    return named;
  named.time.is_date = 0;
  named.time.hour = named.time.minute = named.time.second = 0;
  OccurrenceWindow day{.start = instantOf(named, local),
                       .end = instantAfterDays(named, 1, local),
                       .longestSeconds = 0,
                       .local = local,
                       .enough = 1,
                       .counts = [](const ZonedTime &, Date) { return true; }};
  auto starts = occurrenceStarts(series, zones, dtstart, day, account);
  return starts.empty() ? recurrenceId : starts.front().start;
}

} // namespace kit::events
