#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace kit::ui {

inline constexpr double infinity = std::numeric_limits<double>::infinity();

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point &) const = default;
};

struct Size {
  double width = 0;
  double height = 0;
  bool operator==(const Size &) const = default;
};

struct Rect {
  Point origin;
  Size size;

  double minX() const { return origin.x; }
  double minY() const { return origin.y; }
  double maxX() const { return origin.x + size.width; }
  double maxY() const { return origin.y + size.height; }
  double midX() const { return origin.x + size.width / 2; }
  double midY() const { return origin.y + size.height / 2; }
  bool contains(Point p) const {
    return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY();
  }
  bool isEmpty() const { return !(size.width > 0 && size.height > 0); }
  Rect offsetBy(double dx, double dy) const { return {{origin.x + dx, origin.y + dy}, size}; }
  // Shrinks by the amounts on every side (grows when negative); never below zero size.
  Rect insetBy(double dx, double dy) const {
    return {{origin.x + dx, origin.y + dy},
            {std::max(0.0, size.width - 2 * dx), std::max(0.0, size.height - 2 * dy)}};
  }
  Rect unionWith(const Rect &other) const {
    double x0 = std::min(minX(), other.minX()), y0 = std::min(minY(), other.minY());
    double x1 = std::max(maxX(), other.maxX()), y1 = std::max(maxY(), other.maxY());
    return {{x0, y0}, {x1 - x0, y1 - y0}};
  }
  bool operator==(const Rect &) const = default;
};

// What a parent offers a child along each axis: a length, unspecified (the child's ideal), or
// infinity (as much as the child wants).
struct ProposedSize {
  std::optional<double> width;
  std::optional<double> height;

  static ProposedSize unspecified() { return {}; }
  static ProposedSize zero() { return {0.0, 0.0}; }
  static ProposedSize infinite() { return {infinity, infinity}; }
  static ProposedSize of(Size size) { return {size.width, size.height}; }
  // The proposal with unspecified axes replaced by a fallback length.
  Size replacingUnspecified(double fallback) const {
    return {width.value_or(fallback), height.value_or(fallback)};
  }
  bool operator==(const ProposedSize &) const = default;
};

struct EdgeInsets {
  double top = 0;
  double leading = 0;
  double bottom = 0;
  double trailing = 0;
  bool operator==(const EdgeInsets &) const = default;
};

// Lengths from callers may be NaN, infinite or negative; layout and drawing only see finite ones.
inline double finiteOr(double value, double fallback = 0) {
  return std::isfinite(value) ? value : fallback;
}
inline double nonNegativeLength(double value) {
  return std::isfinite(value) && value > 0 ? value : 0;
}

} // namespace kit::ui
