#include "Shared/Data/RSSStore/Refresh.h"

#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/Fetch.h"
#include "Shared/Data/RSSStore/HeadlineMerge.h"
#include "Shared/Data/RSSStore/StoredValues.h"
#include "kit/foundation/tasks/ConcurrentWork.h"

#include <optional>
#include <vector>

namespace zavel::RSSStore {

namespace {

// Enough to fetch any usual feed list at once without a thread per entry of a huge one.
constexpr std::size_t kFetchWidth = 32;

std::vector<std::optional<std::vector<RSSItem>>>
fetchAll(const std::vector<RSSFeed> &feeds, const kit::foundation::HttpSession &session) {
  std::vector<std::optional<std::vector<RSSItem>>> results(feeds.size());
  kit::foundation::forEachConcurrently(feeds.size(), kFetchWidth, [&](std::size_t position) {
    try {
      results[position] = fetchItems(feeds[position], Cache::capacity, session);
    } catch (...) {
      // A feed that fails is left out of this refresh; why does not matter.
    }
  });
  return results;
}

} // namespace

bool refresh(const Environment &environment) {
  try {
    auto feeds = feedList(environment.home);
    if (feeds.empty())
      return write(cacheKey, Cache{environment.clock.now(), {}}, environment.home);
    auto merged = mergedHeadlines(fetchAll(feeds, environment.session), Cache::capacity);
    if (!merged)
      return false;
    // A cache that could not be stored is no refresh: the widgets then ask again sooner.
    return write(cacheKey, Cache{environment.clock.now(), std::move(*merged)}, environment.home);
  } catch (...) {
    return false;
  }
}

} // namespace zavel::RSSStore
