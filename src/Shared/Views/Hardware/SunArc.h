#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// How tall an arch is and how large its sun, in design units.
struct ArcStyle {
  double height = 0;
  double sunRadius = 0;
};

// A shallow arch across the offered width with a sun disc and a soft halo on it at `t` of its run
// (kept within 0...1; not a number is 0). Near the feet the sun may reach past the drawing area;
// nothing is clipped.
kit::ui::View SunArc(double t, const ArcStyle &style, const ZCtx &ctx);

} // namespace zavel
