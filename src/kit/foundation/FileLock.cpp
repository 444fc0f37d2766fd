#include "kit/foundation/FileLock.h"

#include "kit/foundation/FileOwner.h"
#include "kit/foundation/WriteFailureObserver.h"
#include "kit/foundation/WriteModes.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>
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

// The file a lock file of `lockFileBeside`'s form guards; the lock file itself for any other.
std::filesystem::path guardedFile(const std::filesystem::path &lockFile) {
  std::string name = lockFile.filename().string();
  constexpr std::string_view kSuffix = ".lock";
  if (name.size() <= 1 + kSuffix.size() || name.front() != '.' || !name.ends_with(kSuffix))
    return lockFile;
  return lockFile.parent_path() / name.substr(1, name.size() - 1 - kSuffix.size());
}

// No lock, so the write it guards will not happen: told naming `failed`, the guarded file, or
// the lock file itself when that is what could not be opened.
std::nullopt_t refused(const std::filesystem::path &failed, std::string reason) {
  announceWriteFailure({{}, failed.string(), std::move(reason)});
  return std::nullopt;
}

} // namespace

std::optional<FileLock> FileLock::exclusive(const std::filesystem::path &lockFile,
                                            std::chrono::milliseconds patience) {
  auto deadline = std::chrono::steady_clock::now() + patience;
  std::error_code error;
  // Made like any file: not in a folder without write bits, whoever runs it.
  if (!std::filesystem::exists(lockFile, error) && !mayCreate(lockFile))
    return refused(guardedFile(lockFile), std::generic_category().message(EACCES));
  // Made owned as its folder, so a lock file a run as root made never shuts its owner out.
  Descriptor file;
  if (auto made = makeFile(lockFile, 0644, file); made && made != std::errc::file_exists)
    return refused(lockFile, made.message());
  if (file.fd < 0 && (file.fd = ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC)) < 0)
    return refused(lockFile, std::generic_category().message(errno));
  FileLock lock(std::exchange(file.fd, -1));
  if (!lockBefore(lock.descriptor_, deadline))
    return refused(guardedFile(lockFile), "another writer holds its lock");
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
