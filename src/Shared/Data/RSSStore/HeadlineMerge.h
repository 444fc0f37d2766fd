#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"

#include <optional>
#include <vector>

namespace zavel {

// Whether the merge puts `a` before `b` on their dates alone: dated before undated, newer before
// older. False between equals, which keep list and document order.
bool isNewer(const RSSItem &a, const RSSItem &b);

// The headlines of every feed in list order (none for a feed that failed) merged into one list:
// dated before undated, newer before older, list and document order between equals, at most
// `limit`. None when every feed failed.
std::optional<std::vector<RSSItem>>
mergedHeadlines(std::vector<std::optional<std::vector<RSSItem>>> perFeed, std::size_t limit);

} // namespace zavel
