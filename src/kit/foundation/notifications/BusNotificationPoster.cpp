#include "kit/foundation/notifications/BusNotificationPoster.h"

#include "kit/foundation/Utf8.h"

#include <systemd/sd-bus.h>
#include <unistd.h>

namespace kit::foundation {

namespace {

// D-Bus strings hold no NUL; the name keeps its length with U+FFFD in its place.
std::string busText(std::string_view name) {
  std::string text = sanitizedUtf8(name);
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c == '\0')
      result += "\xEF\xBF\xBD";
    else
      result += c;
  }
  return result;
}

} // namespace

BusNotificationPoster::BusNotificationPoster(std::optional<std::string> address)
    : address_(std::move(address)), bus_(nullptr, sd_bus_flush_close_unref) {}

BusNotificationPoster::Bus BusNotificationPoster::open() const {
  sd_bus *raw = nullptr;
  if (!address_) {
    if (sd_bus_open_user(&raw) < 0)
      return Bus(nullptr, sd_bus_flush_close_unref);
    return Bus(raw, sd_bus_flush_close_unref);
  }
  if (sd_bus_new(&raw) < 0)
    return Bus(nullptr, sd_bus_flush_close_unref);
  Bus bus(raw, sd_bus_flush_close_unref);
  if (sd_bus_set_address(raw, address_->c_str()) < 0 || sd_bus_set_bus_client(raw, 1) < 0 ||
      sd_bus_start(raw) < 0)
    return Bus(nullptr, sd_bus_flush_close_unref);
  return bus;
}

sd_bus *BusNotificationPoster::connection() {
  // A connection made before fork is the parent's: the child only lets go of its copy.
  if (bus_ && (owner_ != getpid() || sd_bus_is_open(bus_.get()) <= 0))
    bus_.reset();
  if (!bus_) {
    bus_ = open();
    owner_ = getpid();
  }
  return bus_.get();
}

bool BusNotificationPoster::post(std::string_view name) {
  std::string text = busText(name);
  std::lock_guard lock(mutex_);
  sd_bus *bus = connection();
  if (!bus)
    return false;
  int sent = sd_bus_emit_signal(bus, kNotificationPath, kNotificationInterface, kNotificationMember,
                                "s", text.c_str());
  if (sent >= 0 && sd_bus_flush(bus) >= 0)
    return true;
  bus_.reset();
  return false;
}

} // namespace kit::foundation
