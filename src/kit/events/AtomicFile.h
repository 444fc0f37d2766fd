#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace kit::events {

// Replaces a file's contents at once (or makes the file): a reader sees the old file or the new
// one, never a part of either. The file keeps its permission bits; a symbolic link keeps pointing
// at the file it names, which is the one replaced. False when anything fails; the file is then as
// it was. `beforeReplace`, when given, is called with the temporary file once it holds the whole
// new contents and before it takes the file's place; returning false stops there (tests stand a
// crash in that moment with it).
bool replaceFileAtomically(
    const std::filesystem::path &file, std::string_view contents,
    const std::function<bool(const std::filesystem::path &temporary)> &beforeReplace = {});

} // namespace kit::events
