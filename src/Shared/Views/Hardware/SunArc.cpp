#include "Shared/Views/Hardware/SunArc.h"

#include "Shared/Theme/DesignTokens.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>

namespace zavel {
namespace {

using namespace kit::ui;

// The point at `p` of the quadratic curve from `a` to `b` pulled toward `control`.
Point quadraticPoint(Point a, Point control, Point b, double p) {
  double q = 1 - p;
  return {q * q * a.x + 2 * p * q * control.x + p * p * b.x,
          q * q * a.y + 2 * p * q * control.y + p * p * b.y};
}

View disc(Paint paint, double diameter, Point center) {
  return Circle()
      .fill(paint)
      .frame(diameter, diameter)
      .offset(center.x - diameter / 2, center.y - diameter / 2);
}

} // namespace

View SunArc(double t, const ArcStyle &style, const ZCtx &ctx) {
  double u = ctx.u, sunRadius = style.sunRadius;
  double p = std::isnan(t) ? 0 : std::clamp(t, 0.0, 1.0);
  return GeometryReader([=](const GeometryProxy &geometry) {
           double w = geometry.size.width, h = geometry.size.height, m = 6 * u;
           Point start{m, h - m}, control{w / 2, -0.55 * h}, end{w - m, h - m};
           Path arch;
           arch.move(start);
           arch.addQuadCurve(end, control);
           Point sun = quadraticPoint(start, control, end, p);
           return ZStack(Alignment::topLeading,
                         {
                             Shape(arch).stroke(ZavelTokens::arcStroke, 2 * u),
                             disc(ZavelTokens::sunYellow.opacity(0.16), 3.7 * sunRadius * u, sun),
                             disc(ZavelTokens::sunYellow, 2 * sunRadius * u, sun),
                         });
         })
      .frame({.height = style.height * u});
}

} // namespace zavel
