#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

struct sd_bus;

namespace kit::foundation::testing {

// One "Posted" signal as it arrived.
struct PostedSignal {
  std::string path;
  std::string interface;
  std::string member;
  std::string name;
  pid_t senderPid = 0; // 0 when the sender could not be asked (it may have ended)
};

// Listens on the session bus for the signals of distributed notifications, from the moment it
// is made. `connected()` is false when there is no session bus.
class BusListener {
public:
  BusListener();

  bool connected() const { return bus_ != nullptr; }
  // The signals whose name starts with `prefix`, once `count` of them arrived or the time is up.
  std::vector<PostedSignal> waitFor(const std::string &prefix, std::size_t count,
                                    std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    return waitFor(prefix, count, 0, limit);
  }
  // The same, of the signals that process `sender` sent.
  std::vector<PostedSignal> waitFor(const std::string &prefix, std::size_t count, pid_t sender,
                                    std::chrono::milliseconds limit = std::chrono::seconds(5));

private:
  std::unique_ptr<sd_bus, sd_bus *(*)(sd_bus *)> bus_;
  std::vector<PostedSignal> received_;
};

} // namespace kit::foundation::testing
