#include "Shared/Data/RSSStore/DeckIndex.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/RSSStore/ShownHeadlines.h"
#include "Shared/Data/SharedSuite.h"

#include <optional>

namespace zavel::RSSStore {

int64_t deckIndex(const std::filesystem::path &home) {
  return SharedSuite::open(home).integer(deckIndexKey);
}

bool setDeckIndex(int64_t index, const std::filesystem::path &home) {
  return SharedSuite::open(home).set(deckIndexKey, index);
}

std::optional<int64_t> cycleDeckIndex(int64_t step, const std::filesystem::path &home) {
  auto count = static_cast<int64_t>(shownHeadlines(home).size());
  int64_t index = 0;
  // Read and written in one go, so presses at the same moment all count.
  bool written = SharedSuite::update(
      deckIndexKey,
      [&](const std::optional<kit::foundation::DefaultsValue> &stored) {
        index = cycledIndex(kit::foundation::integerOf(stored), step, count);
        return kit::foundation::DefaultsChange::replace(index);
      },
      home);
  if (!written)
    return std::nullopt;
  return index;
}

} // namespace zavel::RSSStore
