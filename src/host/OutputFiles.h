#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

namespace zavel::host {

// Writes a file the host makes (a picture, a page, a tree). A regular file, or a name nothing
// has yet, is written under a temporary name beside it and given its name once whole: a reader
// never finds it cut short, and when the write fails the earlier file stays as it was and nothing
// is left behind; a symbolic link is followed to its file, and one that names nothing gets that
// file made (as a shell's redirection through it would, when its folder is there). Anything else is
// written into as it is, never replaced: a device, a FIFO, a socket, or a descriptor of this
// process named as /dev/stdout or /proc/self/fd/N. A folder is refused (is_a_directory). The error
// that stopped it; none on success.
std::error_code writeOutputFile(const std::filesystem::path &path, std::string_view contents);

// The same, a failure thrown as CommandFailure naming the file and why.
void writeOutputFileOrFail(const std::filesystem::path &path, std::string_view contents);

// How the command line names standard output in place of a file.
inline constexpr std::string_view kStandardOutput = "-";

// The contents written to `out` when `name` is "-", else to the file of that name; a failure
// thrown as CommandFailure.
void writeOutputOrFail(const std::string &name, std::string_view contents, std::ostream &out);

// Whether two output names ("-" for standard output) reach one file: the same file now, links
// followed, or for names nothing has yet, the same place once links and folders are resolved.
bool sameOutput(const std::string &first, const std::string &second);

// The line that says a file could not be written and why.
std::string cannotWrite(const std::filesystem::path &path, std::error_code error);

} // namespace zavel::host
