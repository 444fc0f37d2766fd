#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

struct sd_bus;

namespace kit::foundation {

// Where distributed notifications travel: one D-Bus signal per notification.
inline constexpr char kNotificationPath[] = "/zavel/DistributedNotificationCenter";
inline constexpr char kNotificationInterface[] = "zavel.DistributedNotificationCenter";
inline constexpr char kNotificationMember[] = "Posted";

// Sends notifications as "Posted" signals whose one string argument is the full name (names
// like "a.b.c-1" are no valid D-Bus member names, so the name travels as data). The connection
// opens on first use and is kept; every signal is flushed before `post` returns, so a process
// may end right after. Safe to use from several threads.
class BusNotificationPoster {
public:
  // The bus at `address` (a D-Bus address such as "unix:path=/run/bus"), or the session bus.
  explicit BusNotificationPoster(std::optional<std::string> address = std::nullopt);
  BusNotificationPoster(const BusNotificationPoster &) = delete;
  BusNotificationPoster &operator=(const BusNotificationPoster &) = delete;

  // Text that is not UTF-8 is sent with U+FFFD in its place. False when there is no bus or the
  // signal could not be written; the next post tries to connect again.
  bool post(std::string_view name);

private:
  struct BusCloser {
    void operator()(sd_bus *bus) const;
  };
  using Bus = std::unique_ptr<sd_bus, BusCloser>;

  sd_bus *connection();
  Bus open() const;

  std::optional<std::string> address_;
  std::mutex mutex_;
  Bus bus_;
  pid_t owner_ = 0;
};

} // namespace kit::foundation
