#pragma once

#include <systemd/sd-bus.h>

namespace kit::foundation {

// sd-bus's entry points, loaded at the first notification rather than at start-up: libsystemd and
// the compression and crypto libraries it brings cost every short-lived process milliseconds, and
// most runs post nothing.
struct BusLibrary {
  decltype(&sd_bus_open_user) open_user;
  decltype(&sd_bus_new) new_bus;
  decltype(&sd_bus_set_address) set_address;
  decltype(&sd_bus_set_bus_client) set_bus_client;
  decltype(&sd_bus_start) start;
  decltype(&sd_bus_is_open) is_open;
  decltype(&sd_bus_emit_signal) emit_signal;
  decltype(&sd_bus_flush) flush;
  decltype(&sd_bus_flush_close_unref) flush_close_unref;
};

// The library, loaded once; null when it cannot be had, and then there is no bus.
const BusLibrary *busLibrary();

} // namespace kit::foundation
