#pragma once

#include <cairo.h>
#include <memory>

namespace kit::ui::drawing {

struct SurfaceDeleter {
  void operator()(cairo_surface_t *surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t *cr) const { cairo_destroy(cr); }
};
struct PatternDeleter {
  void operator()(cairo_pattern_t *pattern) const { cairo_pattern_destroy(pattern); }
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

} // namespace kit::ui::drawing
