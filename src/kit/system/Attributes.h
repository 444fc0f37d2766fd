#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::system {

// Reading the small text files of /proc and /sys. Every text is made valid UTF-8 on the way in.

// The file's text without trailing white space; none when it cannot be read as a file.
std::optional<std::string> readAttribute(const std::filesystem::path &file);

// A whole decimal number, white space around it allowed; none for anything else or out of range.
std::optional<std::uint64_t> parseUnsigned(std::string_view text);
std::optional<std::int64_t> parseInteger(std::string_view text);

std::optional<std::uint64_t> readUnsignedAttribute(const std::filesystem::path &file);
std::optional<std::int64_t> readIntegerAttribute(const std::filesystem::path &file);

// The entries of a folder, sorted by name; empty when it cannot be listed.
std::vector<std::string> sortedEntryNames(const std::filesystem::path &folder);

} // namespace kit::system
