#include "kit/foundation/Resources.h"

#include <cstdlib>
#include <system_error>

namespace kit::foundation {

namespace {

std::filesystem::path executableDirectory() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return std::filesystem::current_path(error);
  return exe.parent_path();
}

} // namespace

std::filesystem::path resourcesDirectory() {
  if (const char *overridden = std::getenv("ZAVEL_RESOURCES"); overridden && *overridden)
    return overridden;
  return executableDirectory() / "resources";
}

std::filesystem::path resourcePath(const std::filesystem::path &relative) {
  return resourcesDirectory() / relative;
}

} // namespace kit::foundation
