#include "Widgets/ProductivityWidgets/FocusProvider.h"

#include "Shared/Data/ExtrasStores/ExtrasStore.h"
#include "Widgets/Shell/SteppedEntries.h"

#include <algorithm>
#include <cmath>

namespace zavel {

using kit::foundation::Date;
using kit::widgets::ReloadPolicy;

namespace {

// Minute entries of a running session, the first one at the request included.
constexpr double mostMinuteEntries = 60;
// The done state shows this long after the end.
constexpr double doneSeconds = 900;

} // namespace

FocusSession FocusTimeline::live(const Intent &, Date) const {
  return ExtrasStore::read<FocusSession>(ExtrasStore::focusKey, home).value_or(FocusSession{});
}

kit::widgets::Timeline<FocusEntry> FocusTimeline::timeline(const Intent &configuration) const {
  Date now = clock.now();
  FocusSession session = live(configuration, now);
  if (!session.endDate || !(*session.endDate > clock.now()))
    return {{{now, session, configuration.casing}}, ReloadPolicy::after(minutesAfter(now, 60))};
  Date end = *session.endDate;
  // The request and every whole minute after it that comes before the end, up to the hour.
  double minutes = std::clamp(std::ceil(end.timeIntervalSince(now) / 60), 1.0, mostMinuteEntries);
  auto entries = steppedEntries(now, 60, static_cast<int>(minutes), session, configuration.casing);
  entries.push_back({end, session, configuration.casing});
  return {entries, ReloadPolicy::after(end.addingTimeInterval(doneSeconds))};
}

} // namespace zavel
