#pragma once

#include <cstddef>
#include <functional>

namespace kit::foundation {

// Runs `work(position)` once for every position below `count`, all at once up to `width`
// threads (the caller's among them), and returns when every call has returned. `work` must not
// throw; each call has its position to itself.
void forEachConcurrently(std::size_t count, std::size_t width,
                         const std::function<void(std::size_t)> &work);

} // namespace kit::foundation
