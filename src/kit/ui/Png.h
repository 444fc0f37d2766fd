#pragma once

#include "kit/ui/Image.h"

#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

namespace kit::ui {

// The picture as PNG bytes (8-bit RGBA, straight alpha), compressed for speed rather than size;
// empty if encoding fails.
std::vector<std::uint8_t> encodePng(const Image &image);
// Writes the PNG to a file under a temporary name beside it, which takes the file's name once
// whole (not flushed to the disk: a picture is made again at will). The error that stopped it,
// the earlier file then as it was; none on success.
std::error_code writePng(const Image &image, const std::filesystem::path &path);

} // namespace kit::ui
