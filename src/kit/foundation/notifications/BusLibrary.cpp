#include "kit/foundation/notifications/BusLibrary.h"

#include "kit/foundation/LibraryLoading.h"

#include <optional>

namespace kit::foundation {
namespace {

// The soname of every libsystemd that has sd-bus.
constexpr const char *kLibraryName = "libsystemd.so.0";

std::optional<BusLibrary> load() {
  void *library = openLibrary(kLibraryName);
  if (!library)
    return std::nullopt;
  BusLibrary bus;
  bool found = loadSymbol(library, bus.open_user, "sd_bus_open_user") &&
               loadSymbol(library, bus.new_bus, "sd_bus_new") &&
               loadSymbol(library, bus.set_address, "sd_bus_set_address") &&
               loadSymbol(library, bus.set_bus_client, "sd_bus_set_bus_client") &&
               loadSymbol(library, bus.start, "sd_bus_start") &&
               loadSymbol(library, bus.is_open, "sd_bus_is_open") &&
               loadSymbol(library, bus.emit_signal, "sd_bus_emit_signal") &&
               loadSymbol(library, bus.flush, "sd_bus_flush") &&
               loadSymbol(library, bus.flush_close_unref, "sd_bus_flush_close_unref");
  if (!found)
    return std::nullopt;
  return bus;
}

} // namespace

const BusLibrary *busLibrary() {
  static const std::optional<BusLibrary> bus = load();
  return bus ? &*bus : nullptr;
}

} // namespace kit::foundation
