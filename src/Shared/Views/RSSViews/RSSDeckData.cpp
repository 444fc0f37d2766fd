#include "Shared/Views/RSSViews/RSSDeckData.h"

#include "Shared/Data/RSSStore/RSSStore.h"

#include <algorithm>

namespace zavel {

const RSSDeckData &RSSDeckData::sample() {
  static const RSSDeckData deck{RSSStore::sampleItems(), 0};
  return deck;
}

int64_t RSSDeckData::bounded(int64_t index, std::size_t count) {
  if (count == 0)
    return 0;
  return std::clamp<int64_t>(index, 0, static_cast<int64_t>(count) - 1);
}

const RSSItem *RSSDeckData::shown() const {
  if (items.empty())
    return nullptr;
  return &items[static_cast<std::size_t>(bounded(index, items.size()))];
}

} // namespace zavel
