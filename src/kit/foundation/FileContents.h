#pragma once

#include "kit/foundation/Descriptor.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kit::foundation {

// Opens `file` (a symbolic link followed) for reading as `opened` when it is a regular file, and
// gives its size. None when it cannot be opened or is anything else: a pipe in its place is
// passed over, never waited on.
std::optional<std::uintmax_t> openRegularFile(const std::filesystem::path &file,
                                              Descriptor &opened);

// The whole of a regular file (a symbolic link followed) of at most `largest` bytes. None when it
// cannot be opened or read, is anything else (a pipe in its place is refused, not waited on), or
// is larger, also when it grows past `largest` while it is read.
std::optional<std::string> readRegularFile(const std::filesystem::path &file,
                                           std::uintmax_t largest);

} // namespace kit::foundation
