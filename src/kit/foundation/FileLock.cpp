#include "kit/foundation/FileLock.h"

#include <cerrno>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kit::foundation {

namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(1);

// Whether the lock was had before the deadline; a lock held elsewhere is asked for again.
bool lockBefore(int descriptor, std::chrono::steady_clock::time_point deadline) {
  while (true) {
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
      return true;
    if (errno == EINTR)
      continue;
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
      return false;
    std::this_thread::sleep_for(kRetryPause);
  }
}

} // namespace

std::optional<FileLock> FileLock::exclusive(const std::filesystem::path &lockFile,
                                            std::chrono::milliseconds patience) {
  auto deadline = std::chrono::steady_clock::now() + patience;
  int descriptor = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor < 0)
    return std::nullopt;
  FileLock lock(descriptor);
  if (!lockBefore(descriptor, deadline))
    return std::nullopt;
  return lock;
}

FileLock::FileLock(FileLock &&other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileLock &FileLock::operator=(FileLock &&other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0)
      ::close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
  }
  return *this;
}

// Closing the only descriptor of the open file lets the lock go.
FileLock::~FileLock() {
  if (descriptor_ >= 0)
    ::close(descriptor_);
}

std::filesystem::path lockFileBeside(const std::filesystem::path &file) {
  return file.parent_path() / ("." + file.filename().string() + ".lock");
}

} // namespace kit::foundation
