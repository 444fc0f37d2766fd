#pragma once

#include <cairo.h>

namespace kit::ui::drawing {

// Blurs an A8 or ARGB32 image surface in place with a Gaussian of standard deviation `sigma`
// pixels (three box passes each way). Outside the surface counts as transparent, so edges fade.
void gaussianBlur(cairo_surface_t *surface, double sigma);

} // namespace kit::ui::drawing
