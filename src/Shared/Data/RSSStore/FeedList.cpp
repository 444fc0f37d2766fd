#include "Shared/Data/RSSStore/FeedList.h"

#include "Shared/Data/RSSStore/StoredValues.h"

namespace zavel::RSSStore {

std::vector<RSSFeed> feedList(const std::filesystem::path &home) {
  return read<std::vector<RSSFeed>>(feedsKey, home).value_or(std::vector<RSSFeed>{});
}

} // namespace zavel::RSSStore
