#pragma once

#include <filesystem>
#include <vector>

namespace kit::foundation {

// Where the shipped resources may be, in the order they are looked for: the folder
// $ZAVEL_RESOURCES names when it is set, alone; else `resources/` beside the running executable
// (a build tree), then `../share/zavel-widgets/` from its folder (an installed program).
std::vector<std::filesystem::path> resourceFolderCandidates();

// The first candidate that holds a `fonts` folder; the first candidate when none does.
std::filesystem::path resourcesDirectory();

// A named file below the resources folder; the path may not exist.
std::filesystem::path resourcePath(const std::filesystem::path &relative);

} // namespace kit::foundation
