#include "kit/foundation/ZoneDatabase.h"

#include "kit/foundation/FileContents.h"

#include <cstdlib>
#include <dirent.h>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>

namespace kit::foundation::ZoneDatabase {

namespace {

// Zone files are a few kilobytes.
constexpr std::uintmax_t kLargestZoneFile = 1 << 20;
// Area/Region/City, as deep as the database goes; a folder that is not one is not walked far.
constexpr int kDeepestName = 4;
constexpr std::size_t kMostNames = 10000;

struct DirectoryCloser {
  void operator()(DIR *directory) const { ::closedir(directory); }
};

bool isFolder(const std::string &path, const dirent &entry) {
  if (entry.d_type != DT_UNKNOWN)
    return entry.d_type == DT_DIR;
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void walk(const std::string &root, const std::string &relative, int depth, Names &names) {
  std::unique_ptr<DIR, DirectoryCloser> directory(::opendir((root + relative).c_str()));
  if (!directory)
    return;
  while (const dirent *entry = ::readdir(directory.get())) {
    std::string_view file = entry->d_name;
    if (file.starts_with('.') || (depth == 0 && (file == "posix" || file == "right")))
      continue;
    std::string name = relative + std::string(file);
    if (isFolder(root + name, *entry)) {
      if (depth + 1 < kDeepestName)
        walk(root, name + "/", depth + 1, names);
    } else if (names.all.size() < kMostNames) {
      names.longest = std::max(names.longest, name.size());
      names.all.insert(std::move(name));
    }
  }
}

} // namespace

std::filesystem::path folder() {
  const char *variable = std::getenv("TZDIR");
  return variable && *variable ? variable : "/usr/share/zoneinfo";
}

bool isZoneName(std::string_view name) {
  if (name.empty() || name.starts_with('/') || name.find('\0') != std::string_view::npos)
    return false;
  for (std::size_t start = 0; start <= name.size();) {
    std::size_t end = std::min(name.find('/', start), name.size());
    std::string_view part = name.substr(start, end - start);
    if (part.empty() || part == "." || part == "..")
      return false;
    start = end + 1;
  }
  return true;
}

std::optional<ZoneRules> rulesOfFile(const std::filesystem::path &path) {
  auto bytes = readRegularFile(path, kLargestZoneFile);
  return bytes ? ZoneRules::fromZoneFile(*bytes) : std::nullopt;
}

const Names &names() {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<Names>> byFolder;
  std::string root = folder().string() + "/";
  std::lock_guard lock(mutex);
  auto &names = byFolder[root];
  if (!names) {
    names = std::make_unique<Names>();
    walk(root, "", 0, *names);
  }
  return *names;
}

} // namespace kit::foundation::ZoneDatabase
