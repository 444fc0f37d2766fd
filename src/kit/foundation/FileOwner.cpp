#include "kit/foundation/FileOwner.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::foundation {

namespace {

namespace fs = std::filesystem;

// `change(owner, group)` as far as the process may: with -1 for the owner when it may not give
// that, and not at all when it may give neither.
template <class Change> std::error_code giveAsAllowed(Change change, uid_t owner, gid_t group) {
  auto mayNot = [] { return errno == EPERM || errno == EINVAL; };
  if (change(owner, group) == 0)
    return {};
  if (!mayNot())
    return lastError();
  if (change(static_cast<uid_t>(-1), group) == 0 || mayNot())
    return {};
  return lastError();
}

// A change of the owner of the file open as `fd`.
auto changingOwnerOf(int fd) {
  return [fd](uid_t owner, gid_t group) { return ::fchown(fd, owner, group); };
}

template <class Change> std::error_code giveFolderOwner(Change change, const fs::path &folder) {
  struct stat status {};
  if (::stat(folder.empty() ? "." : folder.c_str(), &status) != 0)
    return lastError();
  return giveAsAllowed(change, status.st_uid, status.st_gid);
}

} // namespace

std::error_code giveOwner(int fd, uid_t owner, gid_t group) {
  return giveAsAllowed(changingOwnerOf(fd), owner, group);
}

std::error_code takeFolderOwner(const fs::path &made) {
  return giveFolderOwner([&](uid_t u, gid_t g) { return ::lchown(made.c_str(), u, g); },
                         made.parent_path());
}

std::error_code makeFolders(const fs::path &folder) {
  std::error_code error;
  if (fs::is_directory(folder, error))
    return {};
  fs::path above = folder.parent_path();
  if (!above.empty() && above != folder)
    if (auto aboveError = makeFolders(above))
      return aboveError;
  if (::mkdir(folder.c_str(), 0777) == 0)
    return takeFolderOwner(folder);
  if (errno != EEXIST)
    return lastError();
  return fs::is_directory(folder, error) ? std::error_code()
                                         : std::make_error_code(std::errc::not_a_directory);
}

std::error_code makeFile(const fs::path &file, mode_t mode, Descriptor &made) {
  made.fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (made.fd < 0)
    return lastError();
  return giveFolderOwner(changingOwnerOf(made.fd), file.parent_path());
}

} // namespace kit::foundation
