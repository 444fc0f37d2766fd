#pragma once

#include "kit/ui/Path.h"
#include "kit/ui/StrokeStyle.h"

#include <cairo.h>

namespace kit::ui::drawing {

// Replaces the context's current path with `path`.
void setPath(cairo_t *cr, const Path &path);
void setStrokeStyle(cairo_t *cr, const StrokeStyle &style);

} // namespace kit::ui::drawing
