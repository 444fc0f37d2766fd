#include "kit/ui/StrokeStyle.h"

#include "kit/ui/Geometry.h"

#include <algorithm>
#include <cmath>

namespace kit::ui {

StrokeStyle StrokeStyle::sanitized() const {
  StrokeStyle style = *this;
  style.lineWidth = nonNegativeLength(lineWidth);
  style.miterLimit = std::isfinite(miterLimit) ? std::max(1.0, miterLimit) : 10;
  style.dashPhase = finiteOr(dashPhase);
  bool dashValid =
      std::all_of(dash.begin(), dash.end(), [](double d) { return std::isfinite(d) && d >= 0; }) &&
      std::any_of(dash.begin(), dash.end(), [](double d) { return d > 0; });
  if (!dashValid)
    style.dash.clear();
  return style;
}

} // namespace kit::ui
