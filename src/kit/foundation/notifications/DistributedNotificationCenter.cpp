#include "kit/foundation/notifications/DistributedNotificationCenter.h"

#include <string>

namespace kit::foundation {

DistributedNotificationCenter &DistributedNotificationCenter::defaultCenter() {
  // Never destroyed: background work may still post while the process ends.
  static auto *center = new DistributedNotificationCenter;
  return *center;
}

void DistributedNotificationCenter::postNotificationName(std::string_view name) noexcept {
  try {
    bus_.post(name);
    sinks_.send(std::string(name));
  } catch (...) {
    // Posting never fails visibly.
  }
}

SinkRegistration DistributedNotificationCenter::addSink(SinkList::Sink sink) {
  return sinks_.add(std::move(sink));
}

} // namespace kit::foundation
