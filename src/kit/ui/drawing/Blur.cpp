#include "kit/ui/drawing/Blur.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kit::ui::drawing {
namespace {

// Rows turned on their side at once for the horizontal passes.
constexpr int kBandRows = 64;

// Radii of three boxes whose repeated average approximates the Gaussian.
std::array<int, 3> boxRadii(double sigma) {
  constexpr int n = 3;
  double ideal = std::sqrt(12 * sigma * sigma / n + 1);
  int lower = static_cast<int>(std::floor(ideal));
  if (lower % 2 == 0)
    --lower;
  int upper = lower + 2;
  double mIdeal =
      (12 * sigma * sigma - n * lower * lower - 4.0 * n * lower - 3.0 * n) / (-4.0 * lower - 4);
  int m = static_cast<int>(std::lround(mIdeal));
  std::array<int, 3> radii{};
  for (int i = 0; i < n; ++i)
    radii[i] = ((i < m ? lower : upper) - 1) / 2;
  return radii;
}

// Averages over 2r + 1 neighbours, zeros beyond the ends, by multiplying with a reciprocal in
// 16.16 fixed point (exact enough for the box widths a blur uses, and vectorisable).
struct Box {
  int r;
  std::uint32_t inverse = (1u << 16) / std::uint32_t(2 * r + 1);
  std::uint8_t average(std::uint32_t sum) const {
    return std::uint8_t((sum * inverse + (1u << 15)) >> 16);
  }
};

// These two loops are nearly all of a blur's time: GCC optimises them harder than the rest and
// makes a copy for processors with AVX2, which run on twice as many bytes at once. Other
// compilers (clang, for the fuzzers) know no "optimize" attribute and take them as they are.
#if defined(__GNUC__) && !defined(__clang__)
#define ZAVEL_HOT_LOOP [[gnu::optimize("O3"), gnu::target_clones("avx2", "default")]]
#else
#define ZAVEL_HOT_LOOP
#endif

// Adds (or takes away) one row of bytes to the running sums.
ZAVEL_HOT_LOOP void accumulate(std::uint32_t *__restrict sums, const std::uint8_t *__restrict row,
                               std::size_t count, bool add) {
  if (add) {
    for (std::size_t i = 0; i < count; ++i)
      sums[i] += row[i];
  } else {
    for (std::size_t i = 0; i < count; ++i)
      sums[i] -= row[i];
  }
}

ZAVEL_HOT_LOOP void averageRow(std::uint8_t *__restrict out, const std::uint32_t *__restrict sums,
                               std::size_t count, std::uint32_t inverse) {
  for (std::size_t i = 0; i < count; ++i)
    out[i] = std::uint8_t((sums[i] * inverse + (1u << 15)) >> 16);
}

// Along y, a row at a time, with one running sum per byte of a row. Only the last r + 1 rows
// of the input are kept aside (a ring), since each is needed once more after it is overwritten.
void verticalPass(std::uint8_t *data, int height, std::size_t rowBytes, std::size_t stride,
                  const Box &box, std::vector<std::uint8_t> &ring,
                  std::vector<std::uint32_t> &sums) {
  int ringRows = box.r + 1;
  ring.resize(std::size_t(ringRows) * rowBytes);
  sums.assign(rowBytes, 0);
  auto row = [&](int y) { return data + std::size_t(y) * stride; };
  auto kept = [&](int y) { return ring.data() + std::size_t(y % ringRows) * rowBytes; };
  for (int y = 0; y <= box.r && y < height; ++y)
    accumulate(sums.data(), row(y), rowBytes, true);
  for (int y = 0; y < height; ++y) {
    std::copy_n(row(y), rowBytes, kept(y));
    averageRow(row(y), sums.data(), rowBytes, box.inverse);
    if (int enter = y + box.r + 1; enter < height)
      accumulate(sums.data(), row(enter), rowBytes, true);
    if (int leave = y - box.r; leave >= 0)
      accumulate(sums.data(), kept(leave), rowBytes, false);
  }
}

// Pixels of `Pixel` bytes each, rows become columns.
template <class Pixel>
void transpose(const std::uint8_t *from, std::size_t fromStride, std::uint8_t *to,
               std::size_t toStride, int width, int height) {
  constexpr int tile = 32;
  for (int y0 = 0; y0 < height; y0 += tile)
    for (int x0 = 0; x0 < width; x0 += tile)
      for (int y = y0; y < std::min(height, y0 + tile); ++y) {
        auto *row = reinterpret_cast<const Pixel *>(from + std::size_t(y) * fromStride);
        for (int x = x0; x < std::min(width, x0 + tile); ++x)
          reinterpret_cast<Pixel *>(to + std::size_t(x) * toStride)[y] = row[x];
      }
}

void transposePixels(int channels, const std::uint8_t *from, std::size_t fromStride,
                     std::uint8_t *to, std::size_t toStride, int width, int height) {
  if (channels == 4)
    transpose<std::uint32_t>(from, fromStride, to, toStride, width, height);
  else
    transpose<std::uint8_t>(from, fromStride, to, toStride, width, height);
}

} // namespace

void gaussianBlur(cairo_surface_t *surface, double sigma) {
  if (!std::isfinite(sigma) || sigma < 0.5 || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    return;
  cairo_format_t format = cairo_image_surface_get_format(surface);
  int channels = format == CAIRO_FORMAT_A8 ? 1 : format == CAIRO_FORMAT_ARGB32 ? 4 : 0;
  if (channels == 0)
    return;
  cairo_surface_flush(surface);
  std::uint8_t *data = cairo_image_surface_get_data(surface);
  int width = cairo_image_surface_get_width(surface);
  int height = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  std::array<int, 3> radii = boxRadii(sigma);
  std::vector<std::uint8_t> ring;
  std::vector<std::uint32_t> sums;
  auto passes = [&](std::uint8_t *pixels, int lines, std::size_t rowBytes, std::size_t rowStride) {
    for (int r : radii) {
      if (r > 0)
        verticalPass(pixels, lines, rowBytes, rowStride, Box{r}, ring, sums);
    }
  };
  passes(data, height, std::size_t(width) * std::size_t(channels), std::size_t(stride));
  // Across: the same passes over bands of rows turned on their side, a band at a time, since
  // rows blur on their own.
  std::vector<std::uint8_t> turned(std::size_t(kBandRows) * std::size_t(width) *
                                   std::size_t(channels));
  for (int y0 = 0; y0 < height; y0 += kBandRows) {
    int rows = std::min(kBandRows, height - y0);
    std::uint8_t *band = data + std::size_t(y0) * std::size_t(stride);
    std::size_t turnedStride = std::size_t(rows) * std::size_t(channels);
    transposePixels(channels, band, std::size_t(stride), turned.data(), turnedStride, width, rows);
    passes(turned.data(), width, turnedStride, turnedStride);
    transposePixels(channels, turned.data(), turnedStride, band, std::size_t(stride), rows, width);
  }
  cairo_surface_mark_dirty(surface);
}

} // namespace kit::ui::drawing
