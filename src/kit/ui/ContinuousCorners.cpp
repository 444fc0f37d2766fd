#include "kit/ui/ContinuousCorners.h"

#include "kit/ui/Path.h"

#include <cmath>
#include <numbers>

namespace kit::ui {
namespace {

using std::numbers::pi;

// The lengths of one corner, measured along its edges from the corner point.
struct CornerShape {
  double radius;
  double extent;   // where the corner leaves the straight edge
  double arcAngle; // of the circular middle part
  double a, b, c;  // control distances of the joining curves
};

CornerShape cornerShape(double radius, double shorterSide) {
  double budget = shorterSide / 2;
  double smoothing = std::clamp(budget / radius - 1, 0.0, continuousCornerSmoothing);
  double extent = std::min((1 + smoothing) * radius, budget);
  double arcAngle = pi / 2 * (1 - smoothing);
  double arcSection = std::sqrt(2.0) * radius * std::sin(arcAngle / 2);
  double alpha = (pi / 2 - arcAngle) / 2;
  double beta = pi / 4 * smoothing;
  double c = radius * std::tan(alpha / 2) * std::cos(beta);
  double d = c * std::tan(beta);
  double b = (extent - arcSection - c - d) / 3;
  return {radius, extent, arcAngle, 2 * b, b, c};
}

Point along(Point p, Point direction, double distance) {
  return {p.x + direction.x * distance, p.y + direction.y * distance};
}

// One corner at `k`, reached travelling along `in` and left along `out` (unit vectors).
void addCorner(Path &path, const CornerShape &s, Point k, Point in, Point out) {
  Point start = along(k, in, -s.extent);
  if (auto current = path.currentPoint(); !current || *current != start)
    path.addLine(start);
  Point centre = along(along(k, in, -s.radius), out, s.radius);
  double diagonal = std::atan2(in.y - out.y, in.x - out.x);
  double a0 = diagonal - s.arcAngle / 2, a1 = diagonal + s.arcAngle / 2;
  Point arcStart{centre.x + s.radius * std::cos(a0), centre.y + s.radius * std::sin(a0)};
  path.addCurve(arcStart, along(k, in, -(s.extent - s.a)), along(k, in, -(s.extent - s.a - s.b)));
  path.addArc(centre, s.radius, Angle{a0}, Angle{a1});
  path.addCurve(along(k, out, s.extent), along(k, out, s.extent - s.a - s.b),
                along(k, out, s.extent - s.a));
}

} // namespace

void addContinuousRoundedRect(Path &path, const Rect &rect, double radius) {
  CornerShape shape = cornerShape(radius, std::min(rect.size.width, rect.size.height));
  path.move({rect.minX() + shape.extent, rect.minY()});
  addCorner(path, shape, {rect.maxX(), rect.minY()}, {1, 0}, {0, 1});
  addCorner(path, shape, {rect.maxX(), rect.maxY()}, {0, 1}, {-1, 0});
  addCorner(path, shape, {rect.minX(), rect.maxY()}, {-1, 0}, {0, -1});
  addCorner(path, shape, {rect.minX(), rect.minY()}, {0, -1}, {1, 0});
  path.closeSubpath();
}

} // namespace kit::ui
