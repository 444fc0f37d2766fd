#include "kit/foundation/notifications/NameRecorder.h"

namespace kit::foundation {

SinkList::Sink NameRecorder::sinkInto(const std::shared_ptr<Log> &log) {
  return [log](const std::string &name) {
    std::lock_guard lock(log->mutex);
    log->names.push_back(name);
  };
}

std::vector<std::string> NameRecorder::names() const {
  std::lock_guard lock(log_->mutex);
  return log_->names;
}

} // namespace kit::foundation
