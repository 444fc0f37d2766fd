#include "Widgets/RSSWidgets/RSSTimelineProvider.h"

#include "Shared/Data/RSSStore/ShownHeadlines.h"
#include "Widgets/RSSWidgets/FeedRefresh.h"

namespace zavel {

std::vector<RSSItem> RSSTimeline::live(const Intent &, kit::foundation::Date) const {
  return RSSStore::shownHeadlines(environment.home);
}

kit::widgets::Timeline<RSSEntry> RSSTimeline::timeline(const Intent &configuration) const {
  FeedRefresh refreshed = refreshFeeds(environment);
  return {{{refreshed.date, live(configuration, refreshed.date), configuration.casing}},
          refreshed.policy};
}

} // namespace zavel
