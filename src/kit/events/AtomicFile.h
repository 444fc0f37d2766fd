#pragma once

#include <filesystem>
#include <string_view>

namespace kit::events {

// Replaces a file's contents at once: a reader sees the old file or the new one, never a part of
// either. The file keeps its permission bits; a symbolic link keeps pointing at the file it
// names, which is the one replaced. False when anything fails; the file is then as it was.
bool replaceFileAtomically(const std::filesystem::path &file, std::string_view contents);

} // namespace kit::events
