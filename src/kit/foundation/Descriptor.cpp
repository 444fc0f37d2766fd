#include "kit/foundation/Descriptor.h"

#include <cerrno>
#include <utility>

#include <sys/socket.h>
#include <unistd.h>

namespace kit::foundation {

Descriptor::~Descriptor() {
  if (fd >= 0)
    ::close(fd);
}

bool Descriptor::close() { return ::close(std::exchange(fd, -1)) == 0; }

std::error_code writeAll(int fd, std::string_view contents, bool socket) {
  while (!contents.empty()) {
    ssize_t written = socket ? ::send(fd, contents.data(), contents.size(), MSG_NOSIGNAL)
                             : ::write(fd, contents.data(), contents.size());
    if (written < 0 && errno == EINTR)
      continue;
    if (written < 0)
      return lastError();
    if (written == 0)
      return std::make_error_code(std::errc::io_error);
    contents.remove_prefix(static_cast<size_t>(written));
  }
  return {};
}

std::error_code lastError() { return {errno, std::generic_category()}; }

} // namespace kit::foundation
