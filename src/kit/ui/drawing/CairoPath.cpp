#include "kit/ui/drawing/CairoPath.h"

namespace kit::ui::drawing {

void setPath(cairo_t *cr, const Path &path) {
  cairo_new_path(cr);
  for (const Path::Element &e : path.elements()) {
    const auto &p = e.points;
    switch (e.verb) {
    case Path::Verb::move:
      cairo_move_to(cr, p[0].x, p[0].y);
      break;
    case Path::Verb::line:
      cairo_line_to(cr, p[0].x, p[0].y);
      break;
    case Path::Verb::cubic:
      cairo_curve_to(cr, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
      break;
    case Path::Verb::close:
      cairo_close_path(cr);
      break;
    }
  }
}

void setStrokeStyle(cairo_t *cr, const StrokeStyle &style) {
  static constexpr cairo_line_cap_t caps[] = {CAIRO_LINE_CAP_BUTT, CAIRO_LINE_CAP_ROUND,
                                              CAIRO_LINE_CAP_SQUARE};
  static constexpr cairo_line_join_t joins[] = {CAIRO_LINE_JOIN_MITER, CAIRO_LINE_JOIN_ROUND,
                                                CAIRO_LINE_JOIN_BEVEL};
  cairo_set_line_width(cr, style.lineWidth);
  cairo_set_line_cap(cr, caps[int(style.lineCap)]);
  cairo_set_line_join(cr, joins[int(style.lineJoin)]);
  cairo_set_miter_limit(cr, style.miterLimit);
  cairo_set_dash(cr, style.dash.data(), int(style.dash.size()), style.dashPhase);
}

} // namespace kit::ui::drawing
