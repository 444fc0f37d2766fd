#include "kit/foundation/tasks/ConcurrentWork.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace kit::foundation {

void forEachConcurrently(std::size_t count, std::size_t width,
                         const std::function<void(std::size_t)> &work) {
  std::atomic<std::size_t> next = 0;
  auto worker = [&] {
    for (std::size_t position = next++; position < count; position = next++)
      work(position);
  };
  std::vector<std::jthread> helpers;
  std::size_t wanted = std::min(count, std::max<std::size_t>(width, 1)) - (count > 0 ? 1 : 0);
  try {
    for (std::size_t i = 0; i < wanted; ++i)
      helpers.emplace_back(worker);
  } catch (const std::exception &) {
    // Fewer threads than wanted: the ones there are, the caller's included, share the work.
  }
  worker();
}

} // namespace kit::foundation
