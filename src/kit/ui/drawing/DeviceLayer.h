#pragma once

#include "kit/ui/Geometry.h"
#include "kit/ui/drawing/CairoHandles.h"

#include <optional>

namespace kit::ui::drawing {

// An offscreen picture at device resolution, covering part of a target's device space.
struct DeviceLayer {
  SurfacePtr surface;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A layer over `userBounds` (in the target's user space) grown by `margin` device pixels and
// limited to the target's clip grown by `reach`; none when nothing of it can show.
std::optional<DeviceLayer> makeLayer(cairo_t *target, const Rect &userBounds, double margin,
                                     double reach, cairo_format_t format = CAIRO_FORMAT_ARGB32);
// A context drawing into the layer with the target's user space.
ContextPtr layerContext(const DeviceLayer &layer, const cairo_matrix_t &userToDevice);
// How many device pixels one point spans under the matrix (its mean scale).
double deviceScale(const cairo_matrix_t &matrix);

} // namespace kit::ui::drawing
