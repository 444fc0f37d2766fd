#include "kit/ui/Image.h"

#include <algorithm>
#include <cairo.h>

namespace kit::ui {

void Image::SurfaceDeleter::operator()(cairo_surface_t *surface) const {
  cairo_surface_destroy(surface);
}

Image::Image(int width, int height)
    : width_(std::max(1, width)), height_(std::max(1, height)),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_)) {}

Image::~Image() = default;
Image::Image(Image &&) noexcept = default;
Image &Image::operator=(Image &&) noexcept = default;

Color Image::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return Color::clear;
  cairo_surface_flush(surface_.get());
  const unsigned char *data = cairo_image_surface_get_data(surface_.get());
  int stride = cairo_image_surface_get_stride(surface_.get());
  std::uint32_t p = *reinterpret_cast<const std::uint32_t *>(data + y * stride + x * 4);
  double a = (p >> 24) / 255.0;
  if (a == 0)
    return Color::clear;
  auto channel = [a](std::uint32_t v) { return std::min(1.0, (v & 0xFF) / 255.0 / a); };
  return {channel(p >> 16), channel(p >> 8), channel(p), a};
}

} // namespace kit::ui
