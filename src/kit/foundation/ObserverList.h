#pragma once

#include <functional>
#include <list>
#include <mutex>

namespace kit::foundation {

// The callbacks of the observers of one kind alive in this process: an observer adds its own
// when it begins and removes it when it ends. Each notice reaches them in the order they were
// added, on the notifying thread, one notice at a time.
template <class... Args> class ObserverList {
public:
  using Callback = std::function<void(Args...)>;

  void add(Callback *callback) {
    std::lock_guard lock(mutex_);
    callbacks_.push_back(callback);
  }

  void remove(Callback *callback) {
    std::lock_guard lock(mutex_);
    callbacks_.remove(callback);
  }

  void notify(Args... args) {
    std::lock_guard lock(mutex_);
    for (Callback *callback : callbacks_)
      (*callback)(args...);
  }

private:
  std::mutex mutex_;
  std::list<Callback *> callbacks_;
};

} // namespace kit::foundation
