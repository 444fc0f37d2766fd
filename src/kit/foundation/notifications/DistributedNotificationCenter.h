#pragma once

#include "kit/foundation/notifications/BusNotificationPoster.h"
#include "kit/foundation/notifications/SinkList.h"

#include <string_view>

namespace kit::foundation {

// Notifications to other processes (the host application): posted, never observed here. Each
// name goes out at once on the session bus (dropped silently when there is none) and to every
// sink added in this process, in the order posted.
class DistributedNotificationCenter {
public:
  static DistributedNotificationCenter &defaultCenter();

  // No object, no user info, delivered immediately. Never fails visibly.
  void postNotificationName(std::string_view name) noexcept;

  // Receives every name posted in this process while the registration lives.
  [[nodiscard]] SinkRegistration addSink(SinkList::Sink sink);

private:
  DistributedNotificationCenter() = default;

  BusNotificationPoster bus_;
  SinkList sinks_;
};

} // namespace kit::foundation
