#include "kit/ui/Png.h"

#include <algorithm>
#include <array>
#include <cairo.h>
#include <csetjmp>
#include <fstream>
#include <memory>
#include <png.h>
#include <zlib.h>

namespace kit::ui {
namespace {

struct WriteStruct {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~WriteStruct() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

void append(png_structp png, png_bytep data, png_size_t length) {
  auto *out = static_cast<std::vector<std::uint8_t> *>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

// 255 / alpha in 16.16 fixed point, for undoing premultiplication without dividing.
const std::array<std::uint32_t, 256> &reciprocals() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t a = 1; a < 256; ++a)
      t[a] = (255u << 16) / a;
    return t;
  }();
  return table;
}

// One row of premultiplied native ARGB as straight RGBA bytes.
void unpremultiply(const std::uint32_t *in, std::uint8_t *out, int width) {
  const auto &inverse = reciprocals();
  for (int x = 0; x < width; ++x, out += 4) {
    std::uint32_t p = in[x];
    std::uint32_t a = p >> 24;
    std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    if (a != 255 && a != 0) {
      std::uint32_t k = inverse[a];
      r = std::min<std::uint32_t>(255, (r * k + 0x8000) >> 16);
      g = std::min<std::uint32_t>(255, (g * k + 0x8000) >> 16);
      b = std::min<std::uint32_t>(255, (b * k + 0x8000) >> 16);
    }
    out[0] = std::uint8_t(r);
    out[1] = std::uint8_t(g);
    out[2] = std::uint8_t(b);
    out[3] = std::uint8_t(a);
  }
}

// libpng reports errors by jumping back here; only plain data lives across the jump.
bool encode(png_structp png, png_infop info, cairo_surface_t *surface, std::uint8_t *row,
            std::vector<std::uint8_t> *out) {
  if (setjmp(png_jmpbuf(png)))
    return false;
  int width = cairo_image_surface_get_width(surface);
  int height = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const std::uint8_t *data = cairo_image_surface_get_data(surface);
  png_set_write_fn(png, out, append, nullptr);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 1);
  png_set_compression_strategy(png, Z_RLE);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    unpremultiply(reinterpret_cast<const std::uint32_t *>(data + std::ptrdiff_t(y) * stride), row,
                  width);
    png_write_row(png, row);
  }
  png_write_end(png, info);
  return true;
}

} // namespace

std::vector<std::uint8_t> encodePng(const Image &image) {
  cairo_surface_t *surface = image.surface();
  cairo_surface_flush(surface);
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint8_t> row(std::size_t(image.width()) * 4);
  WriteStruct writer;
  writer.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!writer.png)
    return {};
  writer.info = png_create_info_struct(writer.png);
  if (!writer.info || !encode(writer.png, writer.info, surface, row.data(), &bytes))
    return {};
  return bytes;
}

bool writePng(const Image &image, const std::filesystem::path &path) {
  std::vector<std::uint8_t> bytes = encodePng(image);
  if (bytes.empty())
    return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file.flush());
}

} // namespace kit::ui
