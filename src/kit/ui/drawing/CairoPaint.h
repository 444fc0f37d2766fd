#pragma once

#include "kit/ui/Environment.h"
#include "kit/ui/Paint.h"

#include <cairo.h>

namespace kit::ui::drawing {

// Makes `paint` the context's source; gradients span `bounds` (user space). A material not
// resolved by its environment takes the colour of `scheme`.
void setSource(cairo_t *cr, const Paint &paint, const Rect &bounds, ColorScheme scheme);

} // namespace kit::ui::drawing
