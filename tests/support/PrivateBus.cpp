#include "support/PrivateBus.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zavel::test {

namespace {

// One line of the daemon's output, without its line break.
std::string line(FILE *stream) {
  std::array<char, 512> buffer{};
  if (!std::fgets(buffer.data(), buffer.size(), stream))
    return {};
  std::string text(buffer.data());
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    text.pop_back();
  return text;
}

} // namespace

PrivateBus::PrivateBus() {
  // The daemon forks into the background and prints its address and then its process id.
  FILE *output =
      popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
  if (!output)
    return;
  std::string address = line(output);
  std::string pid = line(output);
  pclose(output);
  long daemon = std::strtol(pid.c_str(), nullptr, 10);
  if (address.empty() || daemon <= 0)
    return;
  daemon_ = static_cast<pid_t>(daemon);
  environment_ = std::make_unique<ScopedEnvironment>(
      std::map<std::string, std::optional<std::string>>{{"DBUS_SESSION_BUS_ADDRESS", address}});
}

PrivateBus::~PrivateBus() {
  environment_.reset();
  if (daemon_ > 0)
    kill(daemon_, SIGTERM);
}

} // namespace zavel::test
