#include "kit/ui/Png.h"

#include "kit/foundation/AtomicFile.h"

#include <algorithm>
#include <array>
#include <cairo.h>
#include <libdeflate.h>
#include <memory>
#include <string_view>

namespace kit::ui {
namespace {

// The fastest level: widget pictures are large flat areas, which it still packs about tenfold,
// at twice the speed of zlib's own fastest level.
constexpr int kCompressionLevel = 1;

using Compressor = std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)>;

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

// Scratch space that every byte of is written before it is read, so it is not cleared first.
using Buffer = std::unique_ptr<std::uint8_t[]>;

// The scanlines PNG compresses: each row a filter byte (none) and its RGBA pixels.
Buffer scanlines(cairo_surface_t *surface, int width, int height) {
  int stride = cairo_image_surface_get_stride(surface);
  const std::uint8_t *data = cairo_image_surface_get_data(surface);
  std::size_t rowBytes = 1 + std::size_t(width) * 4;
  Buffer rows = std::make_unique_for_overwrite<std::uint8_t[]>(rowBytes * std::size_t(height));
  for (int y = 0; y < height; ++y) {
    std::uint8_t *row = rows.get() + std::size_t(y) * rowBytes;
    row[0] = 0;
    unpremultiply(reinterpret_cast<const std::uint32_t *>(data + std::ptrdiff_t(y) * stride),
                  row + 1, width);
  }
  return rows;
}

void appendBigEndian(std::vector<std::uint8_t> &out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(std::uint8_t(value >> shift));
}

// A chunk: length, type, data, and the CRC of type and data.
void appendChunk(std::vector<std::uint8_t> &out, std::string_view type, const std::uint8_t *data,
                 std::size_t length) {
  appendBigEndian(out, std::uint32_t(length));
  std::size_t typeAt = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data, data + length);
  appendBigEndian(out, libdeflate_crc32(0, out.data() + typeAt, length + type.size()));
}

std::vector<std::uint8_t> header(int width, int height) {
  std::vector<std::uint8_t> ihdr;
  appendBigEndian(ihdr, std::uint32_t(width));
  appendBigEndian(ihdr, std::uint32_t(height));
  // 8 bits per channel, RGBA, deflate, adaptive filtering, not interlaced.
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
  return ihdr;
}

} // namespace

std::vector<std::uint8_t> encodePng(const Image &image) {
  cairo_surface_t *surface = image.surface();
  if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    return {};
  cairo_surface_flush(surface);
  int width = cairo_image_surface_get_width(surface);
  int height = cairo_image_surface_get_height(surface);
  if (width <= 0 || height <= 0)
    return {};
  Compressor compressor(libdeflate_alloc_compressor(kCompressionLevel), libdeflate_free_compressor);
  if (!compressor)
    return {};
  std::size_t rowsSize = (1 + std::size_t(width) * 4) * std::size_t(height);
  Buffer rows = scanlines(surface, width, height);
  std::size_t bound = libdeflate_zlib_compress_bound(compressor.get(), rowsSize);
  Buffer packed = std::make_unique_for_overwrite<std::uint8_t[]>(bound);
  std::size_t packedSize =
      libdeflate_zlib_compress(compressor.get(), rows.get(), rowsSize, packed.get(), bound);
  if (packedSize == 0)
    return {};

  static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> bytes(std::begin(kSignature), std::end(kSignature));
  bytes.reserve(packedSize + 64);
  std::vector<std::uint8_t> ihdr = header(width, height);
  appendChunk(bytes, "IHDR", ihdr.data(), ihdr.size());
  appendChunk(bytes, "IDAT", packed.get(), packedSize);
  appendChunk(bytes, "IEND", nullptr, 0);
  return bytes;
}

std::error_code writePng(const Image &image, const std::filesystem::path &path) {
  std::vector<std::uint8_t> bytes = encodePng(image);
  if (bytes.empty())
    return std::make_error_code(std::errc::invalid_argument);
  std::string_view contents(reinterpret_cast<const char *>(bytes.data()), bytes.size());
  return foundation::replaceFile(path, contents, foundation::Durability::whole);
}

} // namespace kit::ui
