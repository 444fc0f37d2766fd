#include "host/BackgroundWait.h"

#include "kit/foundation/tasks/BackgroundTasks.h"

#include <algorithm>

namespace zavel::host {

bool BackgroundWait::wait() {
  auto now = now_();
  if (!deadline_)
    deadline_ = now + budget_;
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*deadline_ - now);
  return kit::foundation::waitForBackgroundTasks(std::max(left, std::chrono::milliseconds(0)));
}

} // namespace zavel::host
