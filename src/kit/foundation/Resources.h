#pragma once

#include <filesystem>

namespace kit::foundation {

// The folder of shipped resources: $ZAVEL_RESOURCES when set, else `resources/` beside the
// running executable.
std::filesystem::path resourcesDirectory();

// A named file below the resources folder; the path may not exist.
std::filesystem::path resourcePath(const std::filesystem::path &relative);

} // namespace kit::foundation
