#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <cstddef>
#include <string_view>
#include <tuple>
#include <vector>

namespace zavel::RSSStore {

// The merged headlines, written by refresh().
inline constexpr std::string_view cacheKey = "zavel.rss.cache.v1";

// The stored headlines: at most `capacity`, in the order refresh() left them.
struct Cache {
  static constexpr std::size_t capacity = 24;
  kit::foundation::Date updated;
  std::vector<RSSItem> items;
  bool operator==(const Cache &) const = default;
  static constexpr auto jsonFields() {
    return std::tuple{kit::foundation::field("updated", &Cache::updated),
                      kit::foundation::field("items", &Cache::items)};
  }
};

} // namespace zavel::RSSStore
