#pragma once

#include <string>

namespace kit::foundation {

// What tells this build of the program from any other: the linker's build ID of the executable,
// else its size and modification time. Empty when neither can be had.
const std::string &buildIdentity();

} // namespace kit::foundation
