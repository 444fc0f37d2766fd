#pragma once

#include <filesystem>
#include <functional>

namespace kit::foundation {

// While it lives, hears of every file this process wrote whole (see `replaceFile`), by the name
// it was written under: a symbolic link by its own name. The callback runs on the writing
// thread and must not write a file itself.
class FileWriteObserver {
public:
  using Callback = std::function<void(const std::filesystem::path &file)>;
  explicit FileWriteObserver(Callback callback);
  ~FileWriteObserver();
  FileWriteObserver(const FileWriteObserver &) = delete;
  FileWriteObserver &operator=(const FileWriteObserver &) = delete;

private:
  Callback callback_;
};

// Tells every observer that `file` was written.
void announceFileWritten(const std::filesystem::path &file);

} // namespace kit::foundation
