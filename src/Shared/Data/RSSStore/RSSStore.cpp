#include "Shared/Data/RSSStore/RSSStore.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/RSSStore/ConcurrentWork.h"
#include "Shared/Data/RSSStore/HeadlineMerge.h"

namespace zavel::RSSStore {

namespace {

// Enough to fetch any usual feed list at once without a thread per entry of a huge one.
constexpr std::size_t kFetchWidth = 32;

std::vector<std::optional<std::vector<RSSItem>>>
fetchAll(const std::vector<RSSFeed> &feeds, const kit::foundation::HttpSession &session) {
  std::vector<std::optional<std::vector<RSSItem>>> results(feeds.size());
  forEachConcurrently(feeds.size(), kFetchWidth, [&](std::size_t position) {
    try {
      results[position] = fetchItems(feeds[position], Cache::capacity, session);
    } catch (...) {
      // A feed that fails is left out of this refresh; why does not matter.
    }
  });
  return results;
}

std::vector<RSSFeed> feedList(const std::filesystem::path &home) {
  return read<std::vector<RSSFeed>>(feedsKey, home).value_or(std::vector<RSSFeed>{});
}

// How many headlines the deck steps through: the cached ones when feeds are listed, else the
// samples; never 0.
int64_t deckCount(const std::filesystem::path &home) {
  std::size_t count = 0;
  if (!feedList(home).empty()) {
    if (auto cache = read<Cache>(cacheKey, home))
      count = cache->items.size();
  } else {
    count = sampleItems().size();
  }
  return std::max<int64_t>(static_cast<int64_t>(count), 1);
}

} // namespace

bool refresh(const Environment &environment) {
  try {
    auto feeds = feedList(environment.home);
    if (feeds.empty()) {
      write(Cache{environment.clock.now(), {}}, cacheKey, environment.home);
      return true;
    }
    auto merged = mergedHeadlines(fetchAll(feeds, environment.session), Cache::capacity);
    if (!merged)
      return false;
    write(Cache{environment.clock.now(), std::move(*merged)}, cacheKey, environment.home);
    return true;
  } catch (...) {
    return false;
  }
}

int64_t deckIndex(const std::filesystem::path &home) {
  return SharedSuite::open(home).integer(deckIndexKey);
}

void setDeckIndex(int64_t index, const std::filesystem::path &home) {
  SharedSuite::open(home).set(deckIndexKey, index);
}

int64_t cycleDeckIndex(int64_t step, const std::filesystem::path &home) {
  int64_t count = deckCount(home);
  int64_t index = 0;
  // Read and written in one go, so presses at the same moment all count.
  SharedSuite::update(
      deckIndexKey,
      [&](const std::optional<kit::foundation::DefaultsValue> &stored) {
        index = cycledIndex(kit::foundation::integerOf(stored), step, count);
        return kit::foundation::DefaultsChange::replace(index);
      },
      home);
  return index;
}

} // namespace zavel::RSSStore
