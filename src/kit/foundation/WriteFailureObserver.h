#pragma once

#include <functional>
#include <string>

namespace kit::foundation {

// A write this process attempted that did not reach its file: a key of a store that refused it
// (or kept it only in memory), or a file that could not be replaced.
struct WriteFailure {
  std::string store;  // the store's name for a key; empty for a file
  std::string name;   // the key, or the file by the name it was written under
  std::string reason; // why, in a few words
};

// While it lives, hears of every write failure in this process. The callback runs on the
// writing thread and must not write itself.
class WriteFailureObserver {
public:
  using Callback = std::function<void(const WriteFailure &failure)>;
  explicit WriteFailureObserver(Callback callback);
  ~WriteFailureObserver();
  WriteFailureObserver(const WriteFailureObserver &) = delete;
  WriteFailureObserver &operator=(const WriteFailureObserver &) = delete;

private:
  Callback callback_;
};

// Tells every observer of the failure.
void announceWriteFailure(const WriteFailure &failure);

} // namespace kit::foundation
