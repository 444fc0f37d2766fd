#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kit::foundation {

// The whole of a regular file (a symbolic link followed) of at most `largest` bytes. None when it
// cannot be opened or read, is anything else (a pipe in its place is refused, not waited on), or
// is larger, also when it grows past `largest` while it is read.
std::optional<std::string> readRegularFile(const std::filesystem::path &file,
                                           std::uintmax_t largest);

} // namespace kit::foundation
