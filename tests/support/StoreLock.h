#pragma once

#include <filesystem>
#include <memory>
#include <string>

struct sqlite3;

namespace zavel::test {

// Another program's connection to a store file that holds its lock while the object lives, as
// the host application does in a long write. The store must exist.
class StoreLock {
public:
  enum class Kind {
    // A write under way: readers go on beside it, writers wait.
    writer,
    // The file locked against everyone, readers included.
    exclusive,
  };
  StoreLock(const std::filesystem::path &file, Kind kind);

  // Stores `bytes` as data under `key` in the write it holds, seen by others once committed.
  void store(const std::string &key, const std::string &bytes);
  // Commits the write it holds, and with it lets go of the lock.
  void commit();

private:
  std::unique_ptr<sqlite3, int (*)(sqlite3 *)> database_;
};

} // namespace zavel::test
