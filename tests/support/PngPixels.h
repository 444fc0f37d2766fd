#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace test_support {

// A PNG read back as straight 8-bit RGBA, to check written pictures independently of the
// writer.
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

} // namespace test_support
