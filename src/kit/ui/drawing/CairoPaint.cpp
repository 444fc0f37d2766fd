#include "kit/ui/drawing/CairoPaint.h"

#include "kit/ui/drawing/CairoHandles.h"

#include <cmath>

namespace kit::ui::drawing {
namespace {

using Stops = std::vector<Gradient::Stop>;

void setColor(cairo_t *cr, const Color &c) {
  Color k = c.clamped();
  cairo_set_source_rgba(cr, k.red, k.green, k.blue, k.alpha);
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

  void operator()(Material material) const { setColor(cr, materialColor(material, scheme)); }
};

} // namespace

void setSource(cairo_t *cr, const Paint &paint, const Rect &bounds, ColorScheme scheme) {
  std::visit(SourceVisitor{cr, bounds, scheme}, paint);
}

} // namespace kit::ui::drawing
