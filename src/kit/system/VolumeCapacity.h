#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include <sys/statvfs.h>

namespace kit::system {

// The capacity of the volume holding a path, in bytes. Available space is what an ordinary user
// may still write, so blocks the file system reserves for root count as used.
struct VolumeCapacity {
  std::uint64_t totalBytes = 0;
  std::uint64_t availableBytes = 0;

  bool operator==(const VolumeCapacity &) const = default;
};

// The statvfs(3) call, replaceable so tests give any figures or failures.
using StatVfsFunction = std::function<int(const char *path, struct statvfs *result)>;

StatVfsFunction systemStatVfs();

// None when the call fails or reports no blocks.
std::optional<VolumeCapacity> readVolumeCapacity(const std::filesystem::path &path,
                                                 const StatVfsFunction &statVfs = systemStatVfs());

// The user's home folder: HOME when set and not empty, else the password database's entry.
std::optional<std::filesystem::path> homeDirectory();

} // namespace kit::system
