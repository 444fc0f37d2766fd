#include "Shared/Data/RSSStore/DeckIndex.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/SampleItems.h"
#include "Shared/Data/RSSStore/StoredValues.h"

#include <algorithm>
#include <optional>

namespace zavel::RSSStore {

namespace {

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
