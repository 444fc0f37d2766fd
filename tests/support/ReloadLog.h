#pragma once

#include "kit/foundation/notifications/SinkList.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace zavel::test {

// Records, in one order, every widget reload ("reload <kind>") and every distributed
// notification ("notify <name>") of this process while it lives, so a test sees which came
// first.
class ReloadLog {
public:
  ReloadLog();

  std::vector<std::string> events() const;

private:
  struct Log {
    std::mutex mutex;
    std::vector<std::string> events;
  };

  std::shared_ptr<Log> log_ = std::make_shared<Log>();
  kit::foundation::SinkRegistration reloads_;
  kit::foundation::SinkRegistration notifications_;
};

// The events of reloading `kinds` in order and then posting the reload notification, `times`
// over.
std::vector<std::string> reloadedAndNotified(const std::vector<std::string> &kinds, int times = 1);

} // namespace zavel::test
