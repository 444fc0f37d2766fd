#include "Widgets/RSSWidgets/RSSTimelineProvider.h"

#include "Widgets/RSSWidgets/FeedRefresh.h"
#include "Widgets/RSSWidgets/ShownHeadlines.h"

namespace zavel {

std::vector<RSSItem> RSSTimeline::live(const Intent &, kit::foundation::Date) const {
  return shownHeadlines(environment.home);
}

kit::widgets::Timeline<RSSEntry> RSSTimeline::timeline(const Intent &configuration) const {
  FeedRefresh refreshed = refreshFeeds(environment);
  return {{{refreshed.date, live(configuration, refreshed.date), configuration.casing}},
          refreshed.policy};
}

} // namespace zavel
