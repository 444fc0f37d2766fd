#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zavel::host {

// The regular files below a folder, each with what a write to it changes (its identity, size,
// modification time and contents), so a later look tells which files were written. Contents
// count because file times move in clock ticks, and a rewrite within one tick keeps them.
class FolderSnapshot {
public:
  // The files below `root` outside the `skipped` subfolders (relative to the root), lock files
  // aside; a root that is missing or unreadable gives no files.
  static FolderSnapshot take(const std::filesystem::path &root,
                             const std::vector<std::filesystem::path> &skipped = {});

  // Files added, written or removed between `before` and this, relative to the root (with "/"),
  // in name order.
  std::vector<std::string> changedSince(const FolderSnapshot &before) const;

private:
  struct FileState {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;
    std::size_t contentHash = 0;
    bool operator==(const FileState &) const = default;
  };

  std::map<std::string, FileState> files_;
};

} // namespace zavel::host
