#pragma once

#include <string_view>
#include <system_error>

namespace kit::foundation {

// An open file descriptor, closed when the object ends unless closed before.
struct Descriptor {
  int fd = -1;
  Descriptor() = default;
  explicit Descriptor(int descriptor) : fd(descriptor) {}
  Descriptor(const Descriptor &) = delete;
  Descriptor &operator=(const Descriptor &) = delete;
  ~Descriptor();
  // Closes it now; false when closing reports an error (some file systems report a failed write
  // only then).
  bool close();
};

// Writes every byte of `contents` to `fd`, going on after interruptions and short writes. A
// socket is sent to without SIGPIPE, so a reader that has gone is an error, not the process's
// end. The error that stopped it; none when all was written.
std::error_code writeAll(int fd, std::string_view contents, bool socket = false);

// The error errno holds now.
std::error_code lastError();

} // namespace kit::foundation
