#include "Shared/Data/ExtraModels/RSSDeckData.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/RSSStore/SampleItems.h"

namespace zavel {

const RSSDeckData &RSSDeckData::sample() {
  static const RSSDeckData deck{RSSStore::sampleItems(), 0};
  return deck;
}

const RSSItem *RSSDeckData::shown() const {
  if (items.empty())
    return nullptr;
  return &items[static_cast<std::size_t>(shownIndex(index, static_cast<int64_t>(items.size())))];
}

} // namespace zavel
