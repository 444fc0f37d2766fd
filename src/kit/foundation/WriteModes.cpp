#include "kit/foundation/WriteModes.h"

#include <sys/stat.h>

namespace kit::foundation {

bool isReadOnly(const std::filesystem::path &path) {
  struct stat status {};
  return ::stat(path.empty() ? "." : path.c_str(), &status) == 0 && (status.st_mode & 0222) == 0;
}

bool mayCreate(const std::filesystem::path &path) {
  std::filesystem::path folder = path.parent_path();
  while (true) {
    std::filesystem::path probe = folder.empty() ? std::filesystem::path(".") : folder;
    struct stat status {};
    if (::stat(probe.c_str(), &status) == 0)
      return S_ISDIR(status.st_mode) && (status.st_mode & 0222) != 0;
    if (folder.empty() || folder == folder.root_path())
      return false;
    folder = folder.parent_path();
  }
}

} // namespace kit::foundation
