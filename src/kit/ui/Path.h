#pragma once

#include "kit/ui/AffineTransform.h"
#include "kit/ui/Angle.h"
#include "kit/ui/Geometry.h"

#include <array>
#include <optional>
#include <vector>

namespace kit::ui {

enum class RoundedCornerStyle { circular, continuous };

// A drawing path in points: sub-paths of lines and cubic curves (quadratic curves and arcs are
// stored as cubics). Points that are not finite are dropped, so a path never carries NaN.
class Path {
public:
  enum class Verb { move, line, cubic, close };
  struct Element {
    Verb verb = Verb::move;
    // move and line use points[0]; a cubic has its two control points, then its end point.
    std::array<Point, 3> points{};
    bool operator==(const Element &) const = default;
  };

  void move(Point to);
  void addLine(Point to);
  void addLines(const std::vector<Point> &points);
  void addQuadCurve(Point to, Point control);
  void addCurve(Point to, Point control1, Point control2);
  // An arc from `start` to `end`; clockwise as seen on screen (y grows downward). Joined to the
  // current point by a line when there is one.
  void addArc(Point center, double radius, Angle start, Angle end, bool clockwise = true);
  void closeSubpath();

  void addRect(const Rect &rect);
  void addRoundedRect(const Rect &rect, double radius,
                      RoundedCornerStyle style = RoundedCornerStyle::continuous);
  // The ellipse inscribed in the rectangle, starting at its rightmost point, clockwise.
  void addEllipse(const Rect &rect);
  void addPath(const Path &other);

  const std::vector<Element> &elements() const { return elements_; }
  bool isEmpty() const { return elements_.empty(); }
  std::optional<Point> currentPoint() const;
  // The box around the curves themselves (not their control points); empty at the origin for an
  // empty path.
  Rect boundingRect() const;

  Path applying(const AffineTransform &transform) const;
  Path offsetBy(double dx, double dy) const;
  // The part of the path between two fractions of its length; empty when `to` <= `from`.
  Path trimmed(double from, double to) const;
  double length() const;
  // Whether the point lies inside, by the non-zero winding rule (open sub-paths count as closed).
  bool contains(Point point) const;
  // Whether the point lies on the path stroked `lineWidth` wide (within half of it of a line).
  bool strokeContains(Point point, double lineWidth) const;

  // The sub-paths as polylines within `tolerance` points of the curves.
  struct Polyline {
    std::vector<Point> points;
    bool closed = false;
  };
  std::vector<Polyline> flattened(double tolerance = 0.05) const;

  bool operator==(const Path &) const = default;

private:
  void append(Verb verb, std::array<Point, 3> points);

  std::vector<Element> elements_;
  std::optional<Point> subpathStart_;
  std::optional<Point> current_;
};

} // namespace kit::ui
