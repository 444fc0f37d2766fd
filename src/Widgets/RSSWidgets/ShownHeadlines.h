#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"

#include <filesystem>
#include <vector>

namespace zavel {

// The headlines the feed widgets show outside the gallery: the samples while no feed is listed
// (or the list cannot be read), else the stored ones, none while nothing has been stored.
std::vector<RSSItem> shownHeadlines(const std::filesystem::path &home);

} // namespace zavel
