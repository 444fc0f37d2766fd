#pragma once

#include <filesystem>

namespace kit::foundation {

// Whether a file or folder exists with no write bit in its mode. Writers go by the mode rather
// than by what the process may do: run as root, a process may write anything, yet a file or
// folder its owner made read-only is meant to stay as it is.
bool isReadOnly(const std::filesystem::path &path);

// Whether a file may be made at `path`: its folder, or the nearest folder above it that exists
// (the folders between are made with it), has a write bit.
bool mayCreate(const std::filesystem::path &path);

} // namespace kit::foundation
