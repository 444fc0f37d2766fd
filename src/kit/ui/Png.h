#pragma once

#include "kit/ui/Image.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kit::ui {

// The picture as PNG bytes (8-bit RGBA, straight alpha), compressed for speed rather than size;
// empty if encoding fails.
std::vector<std::uint8_t> encodePng(const Image &image);
// Writes the PNG to a file; false when it cannot be written.
bool writePng(const Image &image, const std::filesystem::path &path);

} // namespace kit::ui
