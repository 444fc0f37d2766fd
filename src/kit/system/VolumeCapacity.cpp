#include "kit/system/VolumeCapacity.h"

#include "kit/foundation/Saturating.h"

#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace kit::system {

using kit::foundation::saturatingMultiply;

StatVfsFunction systemStatVfs() {
  return [](const char *path, struct statvfs *result) { return ::statvfs(path, result); };
}

std::optional<VolumeCapacity> readVolumeCapacity(const std::filesystem::path &path,
                                                 const StatVfsFunction &statVfs) {
  struct statvfs figures {};
  if (!statVfs || statVfs(path.c_str(), &figures) != 0)
    return std::nullopt;
  std::uint64_t blockSize = figures.f_frsize != 0 ? figures.f_frsize : figures.f_bsize;
  std::uint64_t total = saturatingMultiply(figures.f_blocks, blockSize);
  std::uint64_t available = saturatingMultiply(figures.f_bavail, blockSize);
  if (total == 0)
    return std::nullopt;
  return VolumeCapacity{.totalBytes = total, .availableBytes = std::min(available, total)};
}

std::optional<std::filesystem::path> homeDirectory() {
  if (const char *home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home);
  long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
  struct passwd entry {};
  struct passwd *found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !found->pw_dir || !*found->pw_dir)
    return std::nullopt;
  return std::filesystem::path(found->pw_dir);
}

} // namespace kit::system
