#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

namespace kit::foundation {

// Work that is started and awaited by nobody: it runs on a thread of its own, and whatever it
// throws is dropped. The process waits for it, bounded, before it ends.
void runDetached(std::function<void()> work);

// Tasks started and not yet ended.
std::size_t pendingBackgroundTasks();

// Waits until no task is pending or `limit` has passed; true when none is left.
bool waitForBackgroundTasks(std::chrono::milliseconds limit);

// Ends the process with `status` once the pending tasks have ended, waiting at most `limit`.
// When some are still running then, the process ends without running static destructors,
// which those tasks may still be using (standard output is flushed first).
[[noreturn]] void
exitAfterBackgroundTasks(int status, std::chrono::milliseconds limit = std::chrono::seconds(2));

} // namespace kit::foundation
