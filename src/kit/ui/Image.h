#pragma once

#include "kit/ui/Color.h"

#include <cstdint>
#include <memory>

typedef struct _cairo_surface cairo_surface_t;

namespace kit::ui {

// A rendered picture: premultiplied ARGB pixels in a Cairo image surface.
class Image {
public:
  // A transparent picture; sizes below one pixel become one pixel.
  Image(int width, int height);
  ~Image();
  Image(Image &&) noexcept;
  Image &operator=(Image &&) noexcept;

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_surface_t *surface() const { return surface_.get(); }

  // The pixel's colour with straight (not premultiplied) components; clear outside the picture.
  Color pixel(int x, int y) const;

private:
  struct SurfaceDeleter {
    void operator()(cairo_surface_t *surface) const;
  };
  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface_;
};

} // namespace kit::ui
