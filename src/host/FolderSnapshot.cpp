#include "host/FolderSnapshot.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/stat.h>

namespace zavel::host {

namespace fs = std::filesystem;

namespace {

// Larger files are told apart by their metadata alone.
constexpr std::int64_t kLargestHashedFile = 16 << 20;

std::size_t contentHash(const fs::path &path, std::int64_t size) {
  if (size > kLargestHashedFile)
    return 0;
  std::ifstream file(path, std::ios::binary);
  std::string contents((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return std::hash<std::string>{}(contents);
}

// The lock files writers take turns on (".notes.json.lock") hold nothing: taking one writes no
// data, so it is never reported as written.
bool isLockFile(const fs::path &path) {
  std::string name = path.filename().string();
  return name.starts_with('.') && name.ends_with(".lock");
}

} // namespace

FolderSnapshot FolderSnapshot::take(const fs::path &root, const std::vector<fs::path> &skipped) {
  FolderSnapshot snapshot;
  std::error_code error;
  fs::recursive_directory_iterator walk(root, fs::directory_options::skip_permission_denied, error);
  for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
    fs::path relative = walk->path().lexically_relative(root);
    if (std::find(skipped.begin(), skipped.end(), relative) != skipped.end()) {
      walk.disable_recursion_pending();
      continue;
    }
    struct stat status {};
    if (::lstat(walk->path().c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        isLockFile(relative))
      continue;
    snapshot.files_[relative.generic_string()] = {
        uint64_t(status.st_dev),         uint64_t(status.st_ino),
        int64_t(status.st_size),         int64_t(status.st_mtim.tv_sec),
        int64_t(status.st_mtim.tv_nsec), contentHash(walk->path(), status.st_size)};
  }
  return snapshot;
}

std::vector<std::string> FolderSnapshot::changedSince(const FolderSnapshot &before) const {
  std::set<std::string> changed;
  for (const auto &[name, state] : files_) {
    auto old = before.files_.find(name);
    if (old == before.files_.end() || !(old->second == state))
      changed.insert(name);
  }
  for (const auto &[name, state] : before.files_)
    if (!files_.contains(name))
      changed.insert(name);
  return {changed.begin(), changed.end()};
}

} // namespace zavel::host
