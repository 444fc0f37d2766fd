#pragma once

#include "kit/foundation/SqliteDatabase.h"

#include <chrono>
#include <functional>
#include <memory>

namespace zavel::test {

// While it lives, this process's connections wait for another's lock without sleeping: each
// pause is added up (and `onPause` runs in it, when given), so a test learns how long a command
// would have waited, and may act while it waits, without a wait of its own.
class CountedBusyWaits {
public:
  explicit CountedBusyWaits(std::function<void()> onPause = {});
  ~CountedBusyWaits();
  CountedBusyWaits(const CountedBusyWaits &) = delete;
  CountedBusyWaits &operator=(const CountedBusyWaits &) = delete;

  // What the pauses so far add up to.
  std::chrono::milliseconds paused() const;

private:
  struct State;
  std::shared_ptr<State> state_;
  kit::foundation::SqliteBusyWait previous_;
};

} // namespace zavel::test
