#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"

#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <vector>

namespace zavel::RSSStore {

// The headlines the feed widgets show and the deck steps through outside the gallery: the
// samples while no feed is listed (or the list cannot be read), else the stored ones, none while
// nothing has been stored.
std::vector<RSSItem>
shownHeadlines(const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::RSSStore
