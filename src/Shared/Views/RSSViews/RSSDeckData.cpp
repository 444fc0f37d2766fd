#include "Shared/Views/RSSViews/RSSDeckData.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/RSSStore/SampleItems.h"

namespace zavel {

const RSSDeckData &RSSDeckData::sample() {
  static const RSSDeckData deck{RSSStore::sampleItems(), 0};
  return deck;
}

int64_t RSSDeckData::bounded(int64_t index, std::size_t count) {
  return shownIndex(index, static_cast<int64_t>(count));
}

const RSSItem *RSSDeckData::shown() const {
  if (items.empty())
    return nullptr;
  return &items[static_cast<std::size_t>(bounded(index, items.size()))];
}

} // namespace zavel
