#pragma once

#include "kit/ui/Angle.h"
#include "kit/ui/Geometry.h"

#include <cmath>
#include <optional>

namespace kit::ui {

// x' = a·x + c·y + tx, y' = b·x + d·y + ty (the layout of cairo's matrix).
struct AffineTransform {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

  static AffineTransform translation(double dx, double dy) { return {1, 0, 0, 1, dx, dy}; }
  static AffineTransform scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
  static AffineTransform rotation(Angle angle) {
    double cs = std::cos(angle.radians), sn = std::sin(angle.radians);
    return {cs, sn, -sn, cs, 0, 0};
  }
  // This transform applied about a fixed point instead of the origin.
  AffineTransform about(Point anchor) const {
    return translation(anchor.x, anchor.y)
        .concatenating(*this)
        .concatenating(translation(-anchor.x, -anchor.y));
  }
  // The transform that applies `inner` first, then this one.
  AffineTransform concatenating(const AffineTransform &inner) const {
    return {a * inner.a + c * inner.b,        b * inner.a + d * inner.b,
            a * inner.c + c * inner.d,        b * inner.c + d * inner.d,
            a * inner.tx + c * inner.ty + tx, b * inner.tx + d * inner.ty + ty};
  }
  Point apply(Point p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
  std::optional<AffineTransform> inverted() const {
    double det = a * d - b * c;
    if (!std::isfinite(det) || std::abs(det) < 1e-12)
      return std::nullopt;
    return AffineTransform{
        d / det, -b / det, -c / det, a / det, (c * ty - d * tx) / det, (b * tx - a * ty) / det};
  }
  bool isIdentity() const { return *this == AffineTransform{}; }
  bool operator==(const AffineTransform &) const = default;
};

} // namespace kit::ui
