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
  Pixel at(int x, int y) const {
    std::size_t offset = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
    return {rgba[offset], rgba[offset + 1], rgba[offset + 2], rgba[offset + 3]};
  }
};

// None when the file is missing or not a PNG.
std::optional<PngPixels> readPng(const std::filesystem::path &path);

} // namespace test_support
