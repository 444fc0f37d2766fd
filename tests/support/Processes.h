#pragma once

#include <functional>

namespace zavel::test {

// Runs `work(index)` in `count` child processes, all released at the same moment; true when
// every child's work returned true. Children must not use test assertions.
bool runInProcessesAtOnce(int count, const std::function<bool(int index)> &work);

} // namespace zavel::test
