#pragma once

#include "kit/foundation/notifications/SinkList.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace kit::foundation {

// Records, in order, every name a source sends to its sinks while the recorder lives; the
// source is anything with `addSink(SinkList::Sink)`.
class NameRecorder {
public:
  template <class Source>
  explicit NameRecorder(Source &source) : registration_(source.addSink(sinkInto(log_))) {}

  std::vector<std::string> names() const;

private:
  struct Log {
    std::mutex mutex;
    std::vector<std::string> names;
  };
  static SinkList::Sink sinkInto(const std::shared_ptr<Log> &log);

  std::shared_ptr<Log> log_ = std::make_shared<Log>();
  SinkRegistration registration_;
};

} // namespace kit::foundation
