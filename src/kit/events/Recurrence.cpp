#include "kit/events/Recurrence.h"

#include <algorithm>
#include <set>

namespace kit::events {

namespace {

using foundation::Date;

// A rule that yields more steps than this before the window (a COUNT rule every second for
// years) is cut short rather than let one file stall every read.
constexpr int kMaxSteps = 200000;

struct Window {
  Date earliest; // the first start that can still reach into the window
  Date end;
  const icaltimezone *local;
};

void addRuleStarts(icalrecurrencetype rule, const ZonedTime &dtstart, const Window &window,
                   std::vector<ZonedTime> &starts) {
  IcalRecurIteratorPtr iterator(icalrecur_iterator_new(rule, dtstart.time));
  if (!iterator)
    return;
  // Rules without a count can start close to the window instead of stepping there from DTSTART.
  if (rule.count == 0 && window.earliest > instantOf(dtstart, window.local))
    icalrecur_iterator_set_start(iterator.get(),
                                 zonedLike(window.earliest, dtstart, window.local).time);
  for (int step = 0; step < kMaxSteps; ++step) {
    icaltimetype next = icalrecur_iterator_next(iterator.get());
    if (icaltime_is_null_time(next))
      return;
    ZonedTime start{.time = next, .zone = dtstart.zone};
    Date moment = instantOf(start, window.local);
    if (moment >= window.end)
      return;
    if (moment >= window.earliest)
      starts.push_back(start);
  }
}

std::set<Date> excludedMoments(icalcomponent *event, const icaltimezone *local) {
  std::set<Date> excluded;
  for (auto *property : propertiesOf(event, ICAL_EXDATE_PROPERTY))
    if (auto time = zonedTimeOf(property))
      excluded.insert(instantOf(*time, local));
  return excluded;
}

} // namespace

std::vector<ZonedTime> occurrenceStarts(icalcomponent *event, const ZonedTime &dtstart,
                                        Date windowStart, Date windowEnd, double longestSeconds,
                                        const icaltimezone *local) {
  Window window{windowStart.addingTimeInterval(-longestSeconds), windowEnd, local};
  std::vector<ZonedTime> starts{dtstart};
  for (auto *property : propertiesOf(event, ICAL_RRULE_PROPERTY))
    addRuleStarts(icalproperty_get_rrule(property), dtstart, window, starts);
  for (auto *property : propertiesOf(event, ICAL_RDATE_PROPERTY))
    if (auto time = zonedTimeOf(property))
      starts.push_back(*time);

  auto excluded = excludedMoments(event, local);
  std::vector<std::pair<Date, ZonedTime>> kept;
  std::set<Date> seen;
  for (const auto &start : starts) {
    Date moment = instantOf(start, local);
    if (moment < window.earliest || moment >= windowEnd || excluded.count(moment) ||
        !seen.insert(moment).second)
      continue;
    kept.emplace_back(moment, start);
  }
  std::stable_sort(kept.begin(), kept.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  std::vector<ZonedTime> result;
  for (const auto &[moment, start] : kept)
    result.push_back(start);
  return result;
}

} // namespace kit::events
