#include "Widgets/RSSWidgets/RSSDeckProvider.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/RSSStore/DeckIndex.h"
#include "Shared/Data/RSSStore/ShownHeadlines.h"
#include "Widgets/RSSWidgets/FeedRefresh.h"

namespace zavel {

RSSDeckData RSSDeckTimeline::live(const Intent &, kit::foundation::Date) const {
  std::vector<RSSItem> items = RSSStore::shownHeadlines(environment.home);
  int64_t index =
      shownIndex(RSSStore::deckIndex(environment.home), static_cast<int64_t>(items.size()));
  return {std::move(items), index};
}

kit::widgets::Timeline<RSSDeckEntry> RSSDeckTimeline::timeline(const Intent &configuration) const {
  FeedRefresh refreshed = refreshFeeds(environment);
  return {{{refreshed.date, live(configuration, refreshed.date), configuration.casing}},
          refreshed.policy};
}

} // namespace zavel
