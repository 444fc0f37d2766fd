#pragma once

#include "Shared/Data/RSSStore/RSSFeed.h"

#include "kit/foundation/ZavelHome.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace zavel::RSSStore {

// The feed list, written by the host application only.
inline constexpr std::string_view feedsKey = "zavel.rss.feeds.v1";

// The listed feeds, in list order; none when the list is absent or unreadable.
std::vector<RSSFeed> feedList(const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::RSSStore
