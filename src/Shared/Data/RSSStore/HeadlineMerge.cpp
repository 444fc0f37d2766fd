#include "Shared/Data/RSSStore/HeadlineMerge.h"

#include <algorithm>

namespace zavel {

bool isNewer(const RSSItem &a, const RSSItem &b) {
  if (a.published.has_value() != b.published.has_value())
    return a.published.has_value();
  return a.published && *a.published > *b.published;
}

std::optional<std::vector<RSSItem>>
mergedHeadlines(std::vector<std::optional<std::vector<RSSItem>>> perFeed, std::size_t limit) {
  if (std::none_of(perFeed.begin(), perFeed.end(), [](const auto &items) { return items; }))
    return std::nullopt;
  std::vector<RSSItem> merged;
  for (auto &items : perFeed) {
    if (items)
      std::move(items->begin(), items->end(), std::back_inserter(merged));
  }
  std::stable_sort(merged.begin(), merged.end(), isNewer);
  if (merged.size() > limit)
    merged.resize(limit);
  return merged;
}

} // namespace zavel
