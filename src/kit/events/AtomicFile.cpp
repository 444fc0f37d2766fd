#include "kit/events/AtomicFile.h"

#include <cerrno>
#include <memory>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::events {

namespace {

namespace fs = std::filesystem;

struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0)
      ::close(fd);
  }
  bool close() {
    int closing = fd;
    fd = -1;
    return ::close(closing) == 0;
  }
};

bool writeAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return false;
    contents.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// A temporary file beside the target, hidden so that nobody lists it as an item meanwhile.
bool writeTemporary(const fs::path &target, std::string_view contents, std::string &temporary) {
  temporary = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  Descriptor file{::mkostemp(temporary.data(), O_CLOEXEC)};
  if (file.fd < 0) {
    temporary.clear();
    return false;
  }
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0)
    ::fchmod(file.fd, status.st_mode & 07777);
  return writeAll(file.fd, contents) && ::fsync(file.fd) == 0 && file.close();
}

void syncFolder(const fs::path &folder) {
  Descriptor directory{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (directory.fd >= 0)
    ::fsync(directory.fd);
}

} // namespace

bool replaceFileAtomically(const fs::path &file, std::string_view contents,
                           const std::function<bool(const fs::path &temporary)> &beforeReplace) {
  std::error_code error;
  fs::file_status status = fs::symlink_status(file, error);
  fs::path target = file;
  if (fs::is_symlink(status))
    target = fs::canonical(file, error);
  else if (status.type() == fs::file_type::not_found)
    error.clear(); // a new file is written like any other
  if (error || target.empty())
    return false;
  std::string temporary;
  if (!writeTemporary(target, contents, temporary) ||
      (beforeReplace && !beforeReplace(temporary)) ||
      ::rename(temporary.c_str(), target.c_str()) != 0) {
    if (!temporary.empty())
      ::unlink(temporary.c_str());
    return false;
  }
  syncFolder(target.parent_path());
  return true;
}

} // namespace kit::events
