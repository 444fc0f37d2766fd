#include "support/PngPixels.h"

#include <png.h>

namespace test_support {

std::optional<PngPixels> readPng(const std::filesystem::path &path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str()))
    return std::nullopt;
  image.format = PNG_FORMAT_RGBA;
  PngPixels pixels{int(image.width), int(image.height),
                   std::vector<uint8_t>(PNG_IMAGE_SIZE(image))};
  if (!png_image_finish_read(&image, nullptr, pixels.rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return pixels;
}

} // namespace test_support
