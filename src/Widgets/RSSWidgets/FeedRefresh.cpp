#include "Widgets/RSSWidgets/FeedRefresh.h"

#include "Widgets/Shell/ReloadMinutes.h"

namespace zavel {

// Feeds that could not be reached are tried again sooner.
constexpr ReloadMinutes feedReload{.withData = 30, .withoutData = 10};

FeedRefresh refreshFeeds(const RSSStore::Environment &environment) {
  bool reached = RSSStore::refresh(environment);
  kit::foundation::Date now = environment.clock.now();
  return {now, feedReload.after(now, reached)};
}

} // namespace zavel
