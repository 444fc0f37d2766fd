#pragma once

#include <filesystem>
#include <string_view>

namespace zavel::host {

// Replaces the file's contents with `text`; CommandFailure when it cannot be written.
void writeTextFile(const std::filesystem::path &path, std::string_view text);

} // namespace zavel::host
