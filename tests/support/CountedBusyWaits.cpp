#include "support/CountedBusyWaits.h"

#include <atomic>

namespace zavel::test {

struct CountedBusyWaits::State {
  std::function<void()> onPause;
  std::atomic<std::chrono::milliseconds::rep> paused = 0;
};

CountedBusyWaits::CountedBusyWaits(std::function<void()> onPause)
    : state_(std::make_shared<State>()) {
  state_->onPause = std::move(onPause);
  kit::foundation::SqliteBusyWait counted; // the busy timeout the program has
  counted.pause = [state = state_](std::chrono::milliseconds pause) {
    state->paused += pause.count();
    if (state->onPause)
      state->onPause();
  };
  previous_ = kit::foundation::replaceSqliteBusyWait(std::move(counted));
}

CountedBusyWaits::~CountedBusyWaits() { kit::foundation::replaceSqliteBusyWait(previous_); }

std::chrono::milliseconds CountedBusyWaits::paused() const {
  return std::chrono::milliseconds(state_->paused.load());
}

} // namespace zavel::test
