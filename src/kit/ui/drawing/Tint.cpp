#include "kit/ui/drawing/Tint.h"

#include <cstdint>

namespace kit::ui::drawing {

void tintByLuminance(cairo_surface_t *surface, const Color &tint) {
  cairo_surface_flush(surface);
  std::uint8_t *data = cairo_image_surface_get_data(surface);
  if (!data)
    return;
  int width = cairo_image_surface_get_width(surface);
  int height = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  Color t = tint.clamped();
  for (int y = 0; y < height; ++y) {
    auto *row = reinterpret_cast<std::uint32_t *>(data + std::ptrdiff_t(y) * stride);
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = row[x];
      if ((p >> 24) == 0)
        continue;
      // Premultiplied channels: luminance × alpha comes straight from them.
      double lumaAlpha =
          (0.2126 * ((p >> 16) & 0xFF) + 0.7152 * ((p >> 8) & 0xFF) + 0.0722 * (p & 0xFF)) / 255;
      double a = lumaAlpha * t.alpha;
      auto channel = [a](double c) { return std::uint32_t(c * a * 255 + 0.5); };
      row[x] = (std::uint32_t(a * 255 + 0.5) << 24) | (channel(t.red) << 16) |
               (channel(t.green) << 8) | channel(t.blue);
    }
  }
  cairo_surface_mark_dirty(surface);
}

} // namespace kit::ui::drawing
