#include "kit/foundation/notifications/BusNotificationPoster.h"

#include "kit/foundation/Utf8.h"
#include "kit/foundation/notifications/BusLibrary.h"

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
    : address_(std::move(address)) {}

// Only a bus opened through the library is ever closed, so the library is there.
void BusNotificationPoster::BusCloser::operator()(sd_bus *bus) const {
  busLibrary()->flush_close_unref(bus);
}

BusNotificationPoster::Bus BusNotificationPoster::open() const {
  const BusLibrary *library = busLibrary();
  if (!library)
    return nullptr;
  sd_bus *raw = nullptr;
  if (!address_)
    return Bus(library->open_user(&raw) < 0 ? nullptr : raw);
  if (library->new_bus(&raw) < 0)
    return nullptr;
  Bus bus(raw);
  if (library->set_address(raw, address_->c_str()) < 0 || library->set_bus_client(raw, 1) < 0 ||
      library->start(raw) < 0)
    return nullptr;
  return bus;
}

sd_bus *BusNotificationPoster::connection() {
  // A connection made before fork is the parent's: the child only lets go of its copy.
  if (bus_ && (owner_ != getpid() || busLibrary()->is_open(bus_.get()) <= 0))
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
  const BusLibrary &library = *busLibrary();
  int sent = library.emit_signal(bus, kNotificationPath, kNotificationInterface,
                                 kNotificationMember, "s", text.c_str());
  if (sent >= 0 && library.flush(bus) >= 0)
    return true;
  bus_.reset();
  return false;
}

} // namespace kit::foundation
