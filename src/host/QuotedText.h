#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zavel::host {

// A word from the command line as an error line shows it: in double quotes, on one line, valid
// UTF-8 whatever it held (a byte that is not, or a C0 or C1 control or DEL, as \xNN per byte; a
// quote or a backslash escaped), and cut after 64 characters with "…", so a hostile name cannot
// garble or flood the terminal.
std::string quotedWord(std::string_view text);

// A path (or another name whose end tells it from its neighbours, such as a file written) shown
// the same way but whole: the system bounds its length.
std::string quotedPath(const std::filesystem::path &path);

// A text printed as it is (a stored value), but for what could steer a terminal: a byte that is
// not UTF-8 and every control but tab and line break (C0, DEL, C1) as \xNN per byte, as in a
// quoted word. Quotes and backslashes stay, so JSON reads as written.
std::string terminalText(std::string_view text);

} // namespace zavel::host
