#include "Widgets/RSSWidgets/RSSTimelineProvider.h"

#include "Widgets/RSSWidgets/FeedRefresh.h"
#include "Widgets/RSSWidgets/ShownHeadlines.h"

namespace zavel {

using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

RSSEntry RSSTimelineProvider::placeholder(const TimelineContext &) const {
  return {environment.clock.now(), RSSStore::sampleItems(), CasingOption::followApp};
}

RSSEntry RSSTimelineProvider::snapshot(const Intent &configuration,
                                       const TimelineContext &context) const {
  return {environment.clock.now(),
          context.isPreview ? RSSStore::sampleItems() : shownHeadlines(environment.home),
          configuration.casing};
}

Timeline<RSSEntry> RSSTimelineProvider::timeline(const Intent &configuration,
                                                 const TimelineContext &) const {
  FeedRefresh refreshed = refreshFeeds(environment);
  return {{{refreshed.date, shownHeadlines(environment.home), configuration.casing}},
          refreshed.policy};
}

} // namespace zavel
