#pragma once

#include "support/ScopedEnvironment.h"

#include <memory>
#include <sys/types.h>

namespace zavel::test {

// A session bus of the test's own: a dbus-daemon started for it and named in
// DBUS_SESSION_BUS_ADDRESS while the object lives, so processes the test starts post there and
// nothing else does. The daemon is stopped when the object goes. `started()` is false when no
// daemon could be started.
class PrivateBus {
public:
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus &) = delete;
  PrivateBus &operator=(const PrivateBus &) = delete;

  bool started() const { return environment_ != nullptr; }

private:
  pid_t daemon_ = 0;
  std::unique_ptr<ScopedEnvironment> environment_;
};

} // namespace zavel::test
