#include "Widgets/RSSWidgets/RSSDeckProvider.h"

#include "Shared/Data/RSSStore/DeckIndex.h"
#include "Widgets/RSSWidgets/FeedRefresh.h"
#include "Widgets/RSSWidgets/ShownHeadlines.h"

namespace zavel {

RSSDeckData RSSDeckTimeline::live(const Intent &, kit::foundation::Date) const {
  std::vector<RSSItem> items = shownHeadlines(environment.home);
  int64_t index = RSSDeckData::bounded(RSSStore::deckIndex(environment.home), items.size());
  return {std::move(items), index};
}

kit::widgets::Timeline<RSSDeckEntry> RSSDeckTimeline::timeline(const Intent &configuration) const {
  FeedRefresh refreshed = refreshFeeds(environment);
  return {{{refreshed.date, live(configuration, refreshed.date), configuration.casing}},
          refreshed.policy};
}

} // namespace zavel
