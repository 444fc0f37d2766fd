#pragma once

#include <filesystem>
#include <memory>

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

private:
  std::unique_ptr<sqlite3, int (*)(sqlite3 *)> database_;
};

} // namespace zavel::test
