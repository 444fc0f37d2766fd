#pragma once

#include "Shared/Data/RSSStore/RSSItem.h"

#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <vector>

namespace zavel {

// What the feed deck shows: the headlines it steps through and the position of the one on its
// screen.
struct RSSDeckData {
  std::vector<RSSItem> items;
  int64_t index = 0;

  // The nine sample headlines at the first.
  static const RSSDeckData &sample();

  // The headline on the screen, at the position shown for the stored one (shownIndex); none when
  // there are no headlines.
  const RSSItem *shown() const;

  bool operator==(const RSSDeckData &) const = default;
  static constexpr auto jsonFields() {
    return std::tuple{kit::foundation::field("items", &RSSDeckData::items),
                      kit::foundation::field("index", &RSSDeckData::index)};
  }
};

} // namespace zavel
