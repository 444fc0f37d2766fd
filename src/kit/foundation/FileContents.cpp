#include "kit/foundation/FileContents.h"

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::foundation {

namespace {

struct ReadDescriptor {
  int fd;
  ~ReadDescriptor() {
    if (fd >= 0)
      ::close(fd);
  }
};

} // namespace

std::optional<std::string> readRegularFile(const std::filesystem::path &file,
                                           std::uintmax_t largest) {
  // Not blocking, so a pipe in the file's place is refused below instead of waited on.
  ReadDescriptor descriptor{::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  int fd = descriptor.fd;
  if (fd < 0)
    return std::nullopt;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::uintmax_t>(status.st_size) > largest)
    return std::nullopt;
  std::string text;
  text.reserve(static_cast<size_t>(status.st_size));
  std::array<char, 65536> chunk;
  while (true) {
    ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return std::nullopt;
    if (got == 0)
      return text;
    if (text.size() + static_cast<size_t>(got) > largest)
      return std::nullopt;
    text.append(chunk.data(), static_cast<size_t>(got));
  }
}

} // namespace kit::foundation
