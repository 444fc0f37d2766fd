#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"

#include <vector>

namespace zavel::RSSStore {

// Nine built-in headlines, dated relative to their first use in the process.
const std::vector<RSSItem> &sampleItems();

} // namespace zavel::RSSStore
