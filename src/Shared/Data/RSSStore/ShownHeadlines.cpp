#include "Shared/Data/RSSStore/ShownHeadlines.h"

#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/SampleItems.h"
#include "Shared/Data/RSSStore/StoredValues.h"

namespace zavel::RSSStore {

std::vector<RSSItem> shownHeadlines(const std::filesystem::path &home) {
  auto feeds = read<std::vector<RSSFeed>>(feedsKey, home);
  if (!feeds || feeds->empty())
    return sampleItems();
  auto cache = read<Cache>(cacheKey, home);
  return cache ? cache->items : std::vector<RSSItem>{};
}

} // namespace zavel::RSSStore
