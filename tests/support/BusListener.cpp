#include "support/BusListener.h"

#include "kit/foundation/notifications/BusNotificationPoster.h"

#include <string_view>
#include <systemd/sd-bus.h>

namespace kit::foundation::testing {

namespace {

std::string text(const char *value) { return value ? value : ""; }

pid_t senderPid(sd_bus *bus, sd_bus_message *message) {
  const char *sender = sd_bus_message_get_sender(message);
  sd_bus_creds *raw = nullptr;
  if (!sender || sd_bus_get_name_creds(bus, sender, SD_BUS_CREDS_PID, &raw) < 0)
    return 0;
  std::unique_ptr<sd_bus_creds, sd_bus_creds *(*)(sd_bus_creds *)> creds(raw, sd_bus_creds_unref);
  pid_t pid = 0;
  return sd_bus_creds_get_pid(creds.get(), &pid) < 0 ? 0 : pid;
}

} // namespace

BusListener::BusListener() : bus_(nullptr, sd_bus_flush_close_unref) {
  sd_bus *raw = nullptr;
  if (sd_bus_open_user(&raw) < 0)
    return;
  bus_.reset(raw);
  std::string rule = std::string("type='signal',interface='") + kNotificationInterface + "'";
  // Installed before the constructor returns, so nothing posted afterwards is missed.
  if (sd_bus_add_match(raw, nullptr, rule.c_str(), nullptr, nullptr) < 0)
    bus_.reset();
}

std::vector<PostedSignal> BusListener::waitFor(const std::string &prefix, std::size_t count,
                                               pid_t sender, std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  auto matching = [&] {
    std::vector<PostedSignal> found;
    for (const PostedSignal &signal : received_)
      if (std::string_view(signal.name).starts_with(prefix) &&
          (sender == 0 || signal.senderPid == sender))
        found.push_back(signal);
    return found;
  };
  while (bus_ && matching().size() < count && std::chrono::steady_clock::now() < deadline) {
    sd_bus_message *raw = nullptr;
    int processed = sd_bus_process(bus_.get(), &raw);
    std::unique_ptr<sd_bus_message, sd_bus_message *(*)(sd_bus_message *)> message(
        raw, sd_bus_message_unref);
    if (processed < 0)
      break;
    if (message && sd_bus_message_is_signal(message.get(), nullptr, nullptr) > 0) {
      const char *name = nullptr;
      if (sd_bus_message_read(message.get(), "s", &name) >= 0)
        received_.push_back({text(sd_bus_message_get_path(message.get())),
                             text(sd_bus_message_get_interface(message.get())),
                             text(sd_bus_message_get_member(message.get())), text(name),
                             senderPid(bus_.get(), message.get())});
    }
    if (processed == 0)
      sd_bus_wait(bus_.get(), 50'000);
  }
  return matching();
}

} // namespace kit::foundation::testing
