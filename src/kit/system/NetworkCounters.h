#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kit::system {

// Bytes received and sent since boot, summed over the physical network interfaces: those backed
// by a device (wired, wireless, mobile broadband), never loopback or virtual ones (bridges,
// tunnels, containers' veth pairs). The kernel keeps these counters in 64 bits.
struct NetworkCounters {
  std::uint64_t receivedBytes = 0;
  std::uint64_t sentBytes = 0;
  // The names of the interfaces counted, sorted: a change means the sums are not comparable.
  std::vector<std::string> interfaces;

  bool operator==(const NetworkCounters &) const = default;
};

// Reads <root>/sys/class/net/<name>/statistics/{rx,tx}_bytes. None when the interface list cannot
// be read or is empty; a machine whose interfaces are all virtual gives zeros and no names.
// An interface whose counters cannot be read is left out.
std::optional<NetworkCounters> readNetworkCounters(const std::filesystem::path &root = "/");

} // namespace kit::system
