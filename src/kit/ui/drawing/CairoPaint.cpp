#include "kit/ui/drawing/CairoPaint.h"

#include "kit/ui/drawing/CairoHandles.h"

#include <cmath>
#include <numbers>

namespace kit::ui::drawing {
namespace {

using Stops = std::vector<Gradient::Stop>;

void setColor(cairo_t *cr, const Color &c) {
  Color k = c.clamped();
  cairo_set_source_rgba(cr, k.red, k.green, k.blue, k.alpha);
}

// The colour of the gradient at a location, padded beyond its ends.
Color colorAt(const Stops &stops, double t) {
  if (t <= stops.front().location)
    return stops.front().color;
  for (std::size_t i = 1; i < stops.size(); ++i) {
    const auto &a = stops[i - 1], &b = stops[i];
    if (t <= b.location) {
      double span = b.location - a.location;
      double f = span > 0 ? (t - a.location) / span : 1;
      auto mix = [f](double x, double y) { return x + (y - x) * f; };
      return {mix(a.color.red, b.color.red), mix(a.color.green, b.color.green),
              mix(a.color.blue, b.color.blue), mix(a.color.alpha, b.color.alpha)};
    }
  }
  return stops.back().color;
}

void setPattern(cairo_t *cr, PatternPtr pattern, const Stops &stops) {
  for (const Gradient::Stop &stop : stops)
    cairo_pattern_add_color_stop_rgba(pattern.get(), stop.location, stop.color.red,
                                      stop.color.green, stop.color.blue, stop.color.alpha);
  cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_PAD);
  cairo_set_source(cr, pattern.get());
}

struct SourceVisitor {
  cairo_t *cr;
  const Rect &bounds;
  ColorScheme scheme;

  // True when the gradient reduced to one colour (no stops, one stop, or no extent).
  bool flat(const Gradient &gradient, Stops &stops, bool degenerate) const {
    stops = gradient.normalizedStops();
    if (stops.empty()) {
      setColor(cr, Color::clear);
      return true;
    }
    if (stops.size() == 1 || degenerate) {
      setColor(cr, stops.back().color);
      return true;
    }
    return false;
  }

  void operator()(const Color &c) const { setColor(cr, c); }

  void operator()(const LinearGradient &g) const {
    Point a = g.startPoint.in(bounds), b = g.endPoint.in(bounds);
    Stops stops;
    if (flat(g.gradient, stops, a == b))
      return;
    setPattern(cr, PatternPtr(cairo_pattern_create_linear(a.x, a.y, b.x, b.y)), stops);
  }

  void operator()(const RadialGradient &g) const {
    Point c = g.center.in(bounds);
    double r0 = nonNegativeLength(g.startRadius), r1 = nonNegativeLength(g.endRadius);
    Stops stops;
    if (flat(g.gradient, stops, r0 == r1))
      return;
    setPattern(cr, PatternPtr(cairo_pattern_create_radial(c.x, c.y, r0, c.x, c.y, r1)), stops);
  }

  // A radial gradient on the unit circle, stretched to the bounds through the pattern matrix.
  void operator()(const EllipticalGradient &g) const {
    double r0 = nonNegativeLength(g.startRadiusFraction),
           r1 = nonNegativeLength(g.endRadiusFraction);
    Stops stops;
    bool degenerate = r0 == r1 || bounds.isEmpty();
    if (flat(g.gradient, stops, degenerate))
      return;
    PatternPtr pattern(cairo_pattern_create_radial(0, 0, r0, 0, 0, r1));
    Point c = g.center.in(bounds);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, c.x, c.y);
    cairo_matrix_scale(&m, bounds.size.width, bounds.size.height);
    cairo_matrix_invert(&m);
    cairo_pattern_set_matrix(pattern.get(), &m);
    setPattern(cr, std::move(pattern), stops);
  }

  // Cairo has no conic gradient: wedges of a mesh, each shading from one angle to the next.
  void operator()(const AngularGradient &g) const {
    double start = finiteOr(g.startAngle.radians), end = finiteOr(g.endAngle.radians);
    Stops stops;
    if (flat(g.gradient, stops, end <= start || bounds.isEmpty()))
      return;
    Point c = g.center.in(bounds);
    double reach = 0;
    for (Point corner : {bounds.origin, Point{bounds.maxX(), bounds.minY()},
                         Point{bounds.minX(), bounds.maxY()}, Point{bounds.maxX(), bounds.maxY()}})
      reach = std::max(reach, std::hypot(corner.x - c.x, corner.y - c.y));
    constexpr int wedges = 180;
    double radius = reach * 1.01 + 1;
    PatternPtr mesh(cairo_pattern_create_mesh());
    auto colorFor = [&](double angle) { return colorAt(stops, (angle - start) / (end - start)); };
    for (int i = 0; i < wedges; ++i) {
      double a0 = start + 2 * std::numbers::pi * i / wedges;
      double a1 = start + 2 * std::numbers::pi * (i + 1) / wedges;
      Color c0 = colorFor(a0), c1 = colorFor(a1);
      cairo_mesh_pattern_begin_patch(mesh.get());
      cairo_mesh_pattern_move_to(mesh.get(), c.x, c.y);
      cairo_mesh_pattern_line_to(mesh.get(), c.x + radius * std::cos(a0),
                                 c.y + radius * std::sin(a0));
      cairo_mesh_pattern_line_to(mesh.get(), c.x + radius * std::cos(a1),
                                 c.y + radius * std::sin(a1));
      cairo_mesh_pattern_line_to(mesh.get(), c.x, c.y);
      int corner = 0;
      for (const Color &k : {c0, c0, c1, c1})
        cairo_mesh_pattern_set_corner_color_rgba(mesh.get(), corner++, k.red, k.green, k.blue,
                                                 k.alpha);
      cairo_mesh_pattern_end_patch(mesh.get());
    }
    cairo_set_source(cr, mesh.get());
  }

  void operator()(Material material) const { setColor(cr, materialColor(material, scheme)); }
};

} // namespace

void setSource(cairo_t *cr, const Paint &paint, const Rect &bounds, ColorScheme scheme) {
  std::visit(SourceVisitor{cr, bounds, scheme}, paint);
}

} // namespace kit::ui::drawing
