#pragma once

#include "kit/ui/Geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kit::ui::bezier {

// A cubic curve: start, two control points, end.
using Cubic = std::array<Point, 4>;

inline Point lerp(Point a, Point b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}
inline double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

inline Point pointAt(const Cubic &c, double t) {
  double u = 1 - t;
  return {u * u * u * c[0].x + 3 * u * u * t * c[1].x + 3 * u * t * t * c[2].x + t * t * t * c[3].x,
          u * u * u * c[0].y + 3 * u * u * t * c[1].y + 3 * u * t * t * c[2].y +
              t * t * t * c[3].y};
}

// The part of the curve between parameters t0 and t1 (de Casteljau).
inline Cubic segment(const Cubic &c, double t0, double t1) {
  auto splitAfter = [](const Cubic &k, double t) {
    Point ab = lerp(k[0], k[1], t), bc = lerp(k[1], k[2], t), cd = lerp(k[2], k[3], t);
    Point abc = lerp(ab, bc, t), bcd = lerp(bc, cd, t);
    return Cubic{lerp(abc, bcd, t), bcd, cd, k[3]};
  };
  auto splitBefore = [](const Cubic &k, double t) {
    Point ab = lerp(k[0], k[1], t), bc = lerp(k[1], k[2], t), cd = lerp(k[2], k[3], t);
    Point abc = lerp(ab, bc, t), bcd = lerp(bc, cd, t);
    return Cubic{k[0], ab, abc, lerp(abc, bcd, t)};
  };
  Cubic tail = splitAfter(c, t0);
  double rest = t0 < 1 ? (t1 - t0) / (1 - t0) : 0;
  return splitBefore(tail, std::clamp(rest, 0.0, 1.0));
}

// Calls `visit` with each parameter in (0, 1) where one coordinate of the curve turns: the roots
// of its derivative, 3·(A·t² + B·t + C).
template <class Visit> void forEachTurn(double p0, double p1, double p2, double p3, Visit visit) {
  double a = p1 - p0, b = p2 - p1, c = p3 - p2;
  double qa = a - 2 * b + c, qb = 2 * (b - a), qc = a;
  auto keep = [&visit](double t) {
    if (std::isfinite(t) && t > 0 && t < 1)
      visit(t);
  };
  constexpr double flat = 1e-12;
  if (std::abs(qa) < flat) {
    if (std::abs(qb) >= flat)
      keep(-qc / qb);
    return;
  }
  double discriminant = qb * qb - 4 * qa * qc;
  if (discriminant < 0)
    return;
  double root = std::sqrt(discriminant);
  keep((-qb + root) / (2 * qa));
  keep((-qb - root) / (2 * qa));
}

// The box around the curve itself (its ends and where it turns), not around its control points.
inline Rect bounds(const Cubic &c) {
  Rect box = Rect{c[0], {}}.unionWith({c[3], {}});
  auto include = [&](double t) { box = box.unionWith({pointAt(c, t), {}}); };
  forEachTurn(c[0].x, c[1].x, c[2].x, c[3].x, include);
  forEachTurn(c[0].y, c[1].y, c[2].y, c[3].y, include);
  return box;
}

// How many straight pieces keep the curve within `tolerance` (Wang's bound).
inline int pieces(const Cubic &c, double tolerance) {
  double dx1 = c[0].x - 2 * c[1].x + c[2].x, dy1 = c[0].y - 2 * c[1].y + c[2].y;
  double dx2 = c[1].x - 2 * c[2].x + c[3].x, dy2 = c[1].y - 2 * c[2].y + c[3].y;
  double m = std::max(std::hypot(dx1, dy1), std::hypot(dx2, dy2));
  double n = std::ceil(std::sqrt(0.75 * m / tolerance));
  return std::isfinite(n) ? std::clamp(static_cast<int>(n), 1, 512) : 1;
}

} // namespace kit::ui::bezier
