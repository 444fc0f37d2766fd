#include "kit/foundation/ZavelHome.h"

#include "kit/foundation/FileOwner.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace kit::foundation {

namespace {

const char *nonEmptyVariable(const char *name) {
  const char *value = std::getenv(name);
  return value && *value ? value : nullptr;
}

std::filesystem::path userHome() {
  if (const char *home = nonEmptyVariable("HOME"))
    return home;
  if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_dir)
    return entry->pw_dir;
  return "/";
}

} // namespace

std::filesystem::path zavelHome() {
  if (const char *home = nonEmptyVariable("ZAVEL_HOME"))
    return home;
  // The base directory rules say a relative path there is invalid and to be ignored.
  if (const char *data = nonEmptyVariable("XDG_DATA_HOME"); data && *data == '/')
    return std::filesystem::path(data) / "zavel";
  return userHome() / ".local/share/zavel";
}

std::optional<std::filesystem::path> groupContainer(std::string_view group,
                                                    const std::filesystem::path &home) {
  auto container = home / "containers" / group;
  makeFolders(container);
  std::error_code error;
  if (!std::filesystem::is_directory(container, error))
    return std::nullopt;
  return container;
}

std::filesystem::path temporaryDirectory() {
  std::error_code error;
  auto directory = std::filesystem::temp_directory_path(error);
  if (error || !std::filesystem::is_directory(directory, error))
    return "/tmp";
  return directory;
}

} // namespace kit::foundation
