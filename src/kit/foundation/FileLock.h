#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

namespace kit::foundation {

// An advisory lock on a lock file, held while the object lives: whoever takes the lock on the
// same file, in another process or another thread, waits until it is let go. The lock file is
// made when missing, with its folder's owner and group where the process may give them, and never
// removed, so two takers can never hold locks on two files of one name. Only writers that take it
// are kept apart; it stops nobody else.
class FileLock {
public:
  // Takes the lock, waiting at most `patience` for its holder; none when the lock file cannot
  // be opened or made (nor is it made in a folder without write bits), or the holder keeps it
  // longer. A lock not had is told to write failure observers, as the write it guards will not
  // happen: naming the lock file when it is what could not be opened or made (a link at its name
  // that leads nowhere), else the file it guards (the file of `lockFileBeside`).
  static std::optional<FileLock>
  exclusive(const std::filesystem::path &lockFile,
            std::chrono::milliseconds patience = std::chrono::seconds(5));

  FileLock(FileLock &&other) noexcept;
  FileLock &operator=(FileLock &&other) noexcept;
  FileLock(const FileLock &) = delete;
  FileLock &operator=(const FileLock &) = delete;
  ~FileLock();

private:
  explicit FileLock(int descriptor) : descriptor_(descriptor) {}
  int descriptor_ = -1;
};

// The lock file the writers of `file` take turns on: beside it, hidden and named after it
// (".notes.json.lock"), and with another extension, so no reader of the folder takes it for one
// of its items.
std::filesystem::path lockFileBeside(const std::filesystem::path &file);

} // namespace kit::foundation
