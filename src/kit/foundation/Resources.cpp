#include "kit/foundation/Resources.h"

#include <cstdlib>
#include <system_error>

// The install rules set this to the data folder as seen from the program's folder.
#ifndef ZAVEL_INSTALLED_RESOURCES
#define ZAVEL_INSTALLED_RESOURCES "../share/zavel-widgets"
#endif

namespace kit::foundation {

namespace {

std::filesystem::path executableDirectory() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return std::filesystem::current_path(error);
  return exe.parent_path();
}

bool holdsFonts(const std::filesystem::path &folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder / "fonts", error);
}

} // namespace

std::vector<std::filesystem::path> resourceFolderCandidates() {
  if (const char *overridden = std::getenv("ZAVEL_RESOURCES"); overridden && *overridden)
    return {overridden};
  auto folder = executableDirectory();
  return {folder / "resources", (folder / ZAVEL_INSTALLED_RESOURCES).lexically_normal()};
}

std::filesystem::path resourcesDirectory() {
  auto candidates = resourceFolderCandidates();
  for (const auto &candidate : candidates)
    if (holdsFonts(candidate))
      return candidate;
  return candidates.front();
}

std::filesystem::path resourcePath(const std::filesystem::path &relative) {
  return resourcesDirectory() / relative;
}

} // namespace kit::foundation
