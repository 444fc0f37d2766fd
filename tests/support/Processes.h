#pragma once

#include <chrono>
#include <functional>

namespace zavel::test {

// Runs `work(index)` in `count` child processes, all released at the same moment; true when
// every child's work returned true. Children must not use test assertions.
bool runInProcessesAtOnce(int count, const std::function<bool(int index)> &work);

// Runs `work` in a child process; true when it returned true within `limit`. A child still
// running then is killed, so a hang fails the test at once instead of stalling the run.
bool finishesWithin(std::chrono::milliseconds limit, const std::function<bool()> &work);

} // namespace zavel::test
