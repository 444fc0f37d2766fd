#include "Widgets/RSSWidgets/ShownHeadlines.h"

#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/SampleItems.h"
#include "Shared/Data/RSSStore/StoredValues.h"

namespace zavel {

std::vector<RSSItem> shownHeadlines(const std::filesystem::path &home) {
  auto feeds = RSSStore::read<std::vector<RSSFeed>>(RSSStore::feedsKey, home);
  if (!feeds || feeds->empty())
    return RSSStore::sampleItems();
  auto cache = RSSStore::read<RSSStore::Cache>(RSSStore::cacheKey, home);
  return cache ? cache->items : std::vector<RSSItem>{};
}

} // namespace zavel
