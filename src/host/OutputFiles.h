#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace zavel::host {

// Writes a file the host makes (a picture, a page, a tree) under a temporary name beside it and
// gives it its name once whole: a reader never finds it cut short, and when the write fails the
// earlier file stays as it was and nothing is left behind. The error that stopped it; none on
// success.
std::error_code writeOutputFile(const std::filesystem::path &path, std::string_view contents);

// The same, a failure thrown as CommandFailure naming the file and why.
void writeOutputFileOrFail(const std::filesystem::path &path, std::string_view contents);

// The line that says a file could not be written and why.
std::string cannotWrite(const std::filesystem::path &path, std::error_code error);

} // namespace zavel::host
