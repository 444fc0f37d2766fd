#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kit::foundation {

// The folder the host application and the widgets share: $ZAVEL_HOME, else
// $XDG_DATA_HOME/zavel when that is an absolute path, else ~/.local/share/zavel. Read anew on
// every call.
std::filesystem::path zavelHome();

// The shared container of an application group, `home`/containers/<group>/, created when
// missing (each folder made owned as the one it is made in); none when it cannot be had as a
// folder.
std::optional<std::filesystem::path>
groupContainer(std::string_view group, const std::filesystem::path &home = zavelHome());

// The process's temporary folder ($TMPDIR when it names a folder, else /tmp).
std::filesystem::path temporaryDirectory();

} // namespace kit::foundation
