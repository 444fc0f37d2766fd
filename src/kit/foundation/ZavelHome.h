#pragma once

#include <filesystem>

namespace kit::foundation {

// The folder the host application and the widgets share: $ZAVEL_HOME, else
// $XDG_DATA_HOME/zavel, else ~/.local/share/zavel. Read anew on every call.
std::filesystem::path zavelHome();

// The process's temporary folder ($TMPDIR when it names a folder, else /tmp).
std::filesystem::path temporaryDirectory();

} // namespace kit::foundation
