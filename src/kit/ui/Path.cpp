#include "kit/ui/Path.h"

#include "kit/ui/Bezier.h"
#include "kit/ui/ContinuousCorners.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kit::ui {
namespace {

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double distanceToSegment(Point p, Point a, Point b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

constexpr double twoPi = 2 * std::numbers::pi;

} // namespace

void Path::append(Verb verb, std::array<Point, 3> points) { elements_.push_back({verb, points}); }

void Path::move(Point to) {
  if (!finite(to))
    return;
  append(Verb::move, {to});
  subpathStart_ = to;
  current_ = to;
}

void Path::addLine(Point to) {
  if (!finite(to))
    return;
  if (!current_)
    return move(to);
  append(Verb::line, {to});
  current_ = to;
}

void Path::addLines(const std::vector<Point> &points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i == 0)
      move(points[i]);
    else
      addLine(points[i]);
  }
}

void Path::addQuadCurve(Point to, Point control) {
  if (!finite(to) || !finite(control))
    return;
  if (!current_)
    move(control);
  Point from = *current_;
  Point c1{from.x + 2.0 / 3 * (control.x - from.x), from.y + 2.0 / 3 * (control.y - from.y)};
  Point c2{to.x + 2.0 / 3 * (control.x - to.x), to.y + 2.0 / 3 * (control.y - to.y)};
  addCurve(to, c1, c2);
}

void Path::addCurve(Point to, Point control1, Point control2) {
  if (!finite(to) || !finite(control1) || !finite(control2))
    return;
  if (!current_)
    move(control1);
  append(Verb::cubic, {control1, control2, to});
  current_ = to;
}

void Path::addArc(Point center, double radius, Angle start, Angle end, bool clockwise) {
  double a0 = start.radians, a1 = end.radians;
  if (!finite(center) || !std::isfinite(radius) || radius < 0 || !std::isfinite(a0) ||
      !std::isfinite(a1))
    return;
  double sweep = a1 - a0;
  if (clockwise) {
    if (sweep < 0)
      sweep = std::fmod(sweep, twoPi) + twoPi;
  } else if (sweep > 0) {
    sweep = std::fmod(sweep, twoPi) - twoPi;
  }
  sweep = std::clamp(sweep, -twoPi, twoPi);
  auto at = [&](double a) {
    return Point{center.x + radius * std::cos(a), center.y + radius * std::sin(a)};
  };
  Point first = at(a0);
  if (!current_)
    move(first);
  else if (bezier::distance(*current_, first) > 1e-9)
    addLine(first);
  int segments = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 2))));
  double step = sweep / segments;
  double k = 4.0 / 3.0 * std::tan(step / 4);
  for (int i = 0; i < segments; ++i) {
    double s = a0 + step * i, e = s + step;
    Point p0 = at(s), p3 = at(e);
    Point c1{p0.x - k * radius * std::sin(s), p0.y + k * radius * std::cos(s)};
    Point c2{p3.x + k * radius * std::sin(e), p3.y - k * radius * std::cos(e)};
    addCurve(p3, c1, c2);
  }
}

void Path::closeSubpath() {
  if (!current_ || !subpathStart_)
    return;
  append(Verb::close, {});
  current_ = subpathStart_;
}

void Path::addRect(const Rect &rect) {
  addLines({rect.origin,
            {rect.maxX(), rect.minY()},
            {rect.maxX(), rect.maxY()},
            {rect.minX(), rect.maxY()}});
  closeSubpath();
}

void Path::addRoundedRect(const Rect &rect, double radius, RoundedCornerStyle style) {
  double limit = std::min(rect.size.width, rect.size.height) / 2;
  double r = std::clamp(nonNegativeLength(radius), 0.0, std::max(0.0, limit));
  if (r <= 0)
    return addRect(rect);
  if (style == RoundedCornerStyle::continuous)
    return addContinuousRoundedRect(*this, rect, r);
  using std::numbers::pi;
  move({rect.minX() + r, rect.minY()});
  addArc({rect.maxX() - r, rect.minY() + r}, r, Angle{-pi / 2}, Angle{0});
  addArc({rect.maxX() - r, rect.maxY() - r}, r, Angle{0}, Angle{pi / 2});
  addArc({rect.minX() + r, rect.maxY() - r}, r, Angle{pi / 2}, Angle{pi});
  addArc({rect.minX() + r, rect.minY() + r}, r, Angle{pi}, Angle{3 * pi / 2});
  closeSubpath();
}

void Path::addEllipse(const Rect &rect) {
  if (!finite(rect.origin) || !std::isfinite(rect.size.width) || !std::isfinite(rect.size.height))
    return;
  double rx = rect.size.width / 2, ry = rect.size.height / 2;
  Point c{rect.midX(), rect.midY()};
  constexpr double k = 0.5522847498307936; // 4/3·(√2 − 1): a quarter circle as one cubic
  move({c.x + rx, c.y});
  addCurve({c.x, c.y + ry}, {c.x + rx, c.y + k * ry}, {c.x + k * rx, c.y + ry});
  addCurve({c.x - rx, c.y}, {c.x - k * rx, c.y + ry}, {c.x - rx, c.y + k * ry});
  addCurve({c.x, c.y - ry}, {c.x - rx, c.y - k * ry}, {c.x - k * rx, c.y - ry});
  addCurve({c.x + rx, c.y}, {c.x + k * rx, c.y - ry}, {c.x + rx, c.y - k * ry});
  closeSubpath();
}

void Path::addPath(const Path &other) {
  for (const Element &e : other.elements_) {
    switch (e.verb) {
    case Verb::move:
      move(e.points[0]);
      break;
    case Verb::line:
      addLine(e.points[0]);
      break;
    case Verb::cubic:
      addCurve(e.points[2], e.points[0], e.points[1]);
      break;
    case Verb::close:
      closeSubpath();
      break;
    }
  }
}

std::optional<Point> Path::currentPoint() const { return current_; }

Rect Path::boundingRect() const {
  std::optional<Rect> box;
  auto include = [&box](const Rect &r) { box = box ? box->unionWith(r) : r; };
  Point current{}, start{};
  for (const Element &e : elements_) {
    switch (e.verb) {
    case Verb::move:
      start = e.points[0];
      [[fallthrough]];
    case Verb::line:
      current = e.points[0];
      include({current, {}});
      break;
    case Verb::cubic:
      include(bezier::bounds({current, e.points[0], e.points[1], e.points[2]}));
      current = e.points[2];
      break;
    case Verb::close:
      current = start; // drawing may go on from the sub-path's start without a move
      break;
    }
  }
  return box.value_or(Rect{});
}

Path Path::applying(const AffineTransform &transform) const {
  Path result;
  for (const Element &e : elements_) {
    switch (e.verb) {
    case Verb::move:
      result.move(transform.apply(e.points[0]));
      break;
    case Verb::line:
      result.addLine(transform.apply(e.points[0]));
      break;
    case Verb::cubic:
      result.addCurve(transform.apply(e.points[2]), transform.apply(e.points[0]),
                      transform.apply(e.points[1]));
      break;
    case Verb::close:
      result.closeSubpath();
      break;
    }
  }
  return result;
}

Path Path::offsetBy(double dx, double dy) const {
  return applying(AffineTransform::translation(finiteOr(dx), finiteOr(dy)));
}

std::vector<Path::Polyline> Path::flattened(double tolerance) const {
  std::vector<Polyline> lines;
  Point current{};
  for (const Element &e : elements_) {
    switch (e.verb) {
    case Verb::move:
      lines.push_back({{e.points[0]}, false});
      current = e.points[0];
      break;
    case Verb::line:
      lines.back().points.push_back(e.points[0]);
      current = e.points[0];
      break;
    case Verb::cubic: {
      bezier::Cubic c{current, e.points[0], e.points[1], e.points[2]};
      int n = bezier::pieces(c, tolerance);
      for (int i = 1; i <= n; ++i)
        lines.back().points.push_back(bezier::pointAt(c, double(i) / n));
      current = e.points[2];
      break;
    }
    case Verb::close:
      lines.back().closed = true;
      current = lines.back().points.front();
      // Drawing may continue from the closed sub-path's start without a move.
      lines.push_back({{current}, false});
      break;
    }
  }
  std::erase_if(lines, [](const Polyline &l) { return l.points.size() < 2 && !l.closed; });
  return lines;
}

bool Path::contains(Point point) const {
  if (!finite(point))
    return false;
  int winding = 0;
  for (const Polyline &line : flattened(0.1)) {
    const auto &pts = line.points;
    for (std::size_t i = 0; i < pts.size(); ++i) {
      Point a = pts[i], b = pts[(i + 1) % pts.size()];
      if (a.y <= point.y) {
        if (b.y > point.y && (b.x - a.x) * (point.y - a.y) - (point.x - a.x) * (b.y - a.y) > 0)
          ++winding;
      } else if (b.y <= point.y &&
                 (b.x - a.x) * (point.y - a.y) - (point.x - a.x) * (b.y - a.y) < 0) {
        --winding;
      }
    }
  }
  return winding != 0;
}

bool Path::strokeContains(Point point, double lineWidth) const {
  if (!finite(point) || !(lineWidth > 0))
    return false;
  double reach = lineWidth / 2;
  for (const Polyline &line : flattened(0.1)) {
    const auto &pts = line.points;
    std::size_t segments = line.closed ? pts.size() : pts.size() - 1;
    for (std::size_t i = 0; i < segments; ++i)
      if (distanceToSegment(point, pts[i], pts[(i + 1) % pts.size()]) <= reach)
        return true;
  }
  return false;
}

} // namespace kit::ui
