#include "kit/ui/drawing/DeviceLayer.h"

#include "kit/ui/drawing/InkBounds.h"

#include <cmath>

namespace kit::ui::drawing {
namespace {

constexpr int maximumLayerSide = 8192;

AffineTransform affine(const cairo_matrix_t &m) { return {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0}; }

Rect deviceClip(cairo_t *target) {
  double x1, y1, x2, y2;
  cairo_save(target);
  cairo_identity_matrix(target);
  cairo_clip_extents(target, &x1, &y1, &x2, &y2);
  cairo_restore(target);
  return {{x1, y1}, {x2 - x1, y2 - y1}};
}

} // namespace

double deviceScale(const cairo_matrix_t &m) {
  return std::sqrt(std::abs(m.xx * m.yy - m.xy * m.yx));
}

std::optional<DeviceLayer> makeLayer(cairo_t *target, const Rect &userBounds, double margin,
                                     double reach, cairo_format_t format) {
  cairo_matrix_t m;
  cairo_get_matrix(target, &m);
  Rect device = transformedBounds(userBounds, affine(m)).insetBy(-margin, -margin);
  Rect clip = deviceClip(target).insetBy(-reach, -reach);
  std::optional<Rect> visible = intersection(device, clip);
  if (!visible)
    return std::nullopt;
  int x0 = static_cast<int>(std::floor(visible->minX()));
  int y0 = static_cast<int>(std::floor(visible->minY()));
  int x1 = static_cast<int>(std::ceil(visible->maxX()));
  int y1 = static_cast<int>(std::ceil(visible->maxY()));
  int width = std::min(x1 - x0, maximumLayerSide), height = std::min(y1 - y0, maximumLayerSide);
  if (width <= 0 || height <= 0)
    return std::nullopt;
  SurfacePtr surface(cairo_image_surface_create(format, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return std::nullopt;
  return DeviceLayer{std::move(surface), x0, y0, width, height};
}

ContextPtr layerContext(const DeviceLayer &layer, const cairo_matrix_t &userToDevice) {
  ContextPtr cr(cairo_create(layer.surface.get()));
  cairo_matrix_t m = userToDevice;
  m.x0 -= layer.x;
  m.y0 -= layer.y;
  cairo_set_matrix(cr.get(), &m);
  return cr;
}

} // namespace kit::ui::drawing
