#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace kit::system {

// Memory of the machine in bytes. Available memory is what can be handed out without swapping:
// free memory plus the caches the kernel can reclaim.
struct MemoryUsage {
  std::uint64_t totalBytes = 0;
  std::uint64_t availableBytes = 0;

  std::uint64_t usedBytes() const {
    return availableBytes < totalBytes ? totalBytes - availableBytes : 0;
  }
  bool operator==(const MemoryUsage &) const = default;
};

// Reads <root>/proc/meminfo. Kernels without MemAvailable get it estimated from free memory,
// buffers and reclaimable caches. None when MemTotal is missing or zero.
std::optional<MemoryUsage> readMemoryUsage(const std::filesystem::path &root = "/");

} // namespace kit::system
