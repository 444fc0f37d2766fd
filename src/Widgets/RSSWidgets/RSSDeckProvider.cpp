#include "Widgets/RSSWidgets/RSSDeckProvider.h"

#include "Shared/Data/RSSStore/DeckIndex.h"
#include "Widgets/RSSWidgets/FeedRefresh.h"
#include "Widgets/RSSWidgets/ShownHeadlines.h"

namespace zavel {

using kit::widgets::Timeline;
using kit::widgets::TimelineContext;

RSSDeckEntry RSSDeckProvider::placeholder(const TimelineContext &) const {
  return {environment.clock.now(), RSSDeckData::sample(), CasingOption::followApp};
}

RSSDeckEntry RSSDeckProvider::snapshot(const Intent &configuration,
                                       const TimelineContext &context) const {
  return {environment.clock.now(), context.isPreview ? RSSDeckData::sample() : currentDeck(),
          configuration.casing};
}

Timeline<RSSDeckEntry> RSSDeckProvider::timeline(const Intent &configuration,
                                                 const TimelineContext &) const {
  FeedRefresh refreshed = refreshFeeds(environment);
  return {{{refreshed.date, currentDeck(), configuration.casing}}, refreshed.policy};
}

RSSDeckData RSSDeckProvider::currentDeck() const {
  std::vector<RSSItem> items = shownHeadlines(environment.home);
  int64_t index = RSSDeckData::bounded(RSSStore::deckIndex(environment.home), items.size());
  return {std::move(items), index};
}

} // namespace zavel
