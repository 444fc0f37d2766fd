#include "Widgets/RSSWidgets/FeedRefresh.h"

#include "Widgets/Shell/SteppedEntries.h"

namespace zavel {

namespace {

// Minutes until the next timeline: feeds that could not be reached are tried again sooner.
constexpr int reloadMinutesReached = 30;
constexpr int reloadMinutesUnreached = 10;

} // namespace

FeedRefresh refreshFeeds(const RSSStore::Environment &environment) {
  bool reached = RSSStore::refresh(environment);
  kit::foundation::Date now = environment.clock.now();
  int minutes = reached ? reloadMinutesReached : reloadMinutesUnreached;
  return {now, kit::widgets::ReloadPolicy::after(minutesAfter(now, minutes))};
}

} // namespace zavel
