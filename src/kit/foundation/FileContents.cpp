#include "kit/foundation/FileContents.h"

#include <array>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::foundation {

std::optional<std::uintmax_t> openRegularFile(const std::filesystem::path &file,
                                              Descriptor &opened) {
  // Not blocking, so a pipe in the file's place is refused below instead of waited on.
  Descriptor descriptor(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (descriptor.fd < 0 || ::fstat(descriptor.fd, &status) != 0 || !S_ISREG(status.st_mode))
    return std::nullopt;
  std::swap(opened.fd, descriptor.fd);
  return static_cast<std::uintmax_t>(status.st_size);
}

std::optional<std::string> readRegularFile(const std::filesystem::path &file,
                                           std::uintmax_t largest) {
  Descriptor descriptor;
  auto size = openRegularFile(file, descriptor);
  if (!size || *size > largest)
    return std::nullopt;
  std::string text;
  text.reserve(static_cast<size_t>(*size));
  std::array<char, 65536> chunk;
  while (true) {
    ssize_t got = ::read(descriptor.fd, chunk.data(), chunk.size());
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
