#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace zavel::host::testing {

// A PNG file read back as straight 8-bit RGBA.
struct PngPixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;

  struct Pixel {
    int red, green, blue, alpha;
  };
  Pixel at(int x, int y) const;
};

// None when the file is missing or not a PNG.
std::optional<PngPixels> readPng(const std::filesystem::path &path);

} // namespace zavel::host::testing
