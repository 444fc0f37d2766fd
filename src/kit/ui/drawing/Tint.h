#pragma once

#include "kit/ui/Color.h"

#include <cairo.h>

namespace kit::ui::drawing {

// Turns every pixel of an ARGB32 surface into `tint` with alpha = its luminance × its alpha,
// as a host shows a widget's content in a single tint.
void tintByLuminance(cairo_surface_t *surface, const Color &tint);

} // namespace kit::ui::drawing
