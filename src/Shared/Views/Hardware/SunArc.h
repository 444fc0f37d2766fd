#pragma once

#include "Shared/Views/WidgetContext.h"
#include "kit/ui/View.h"

namespace zavel {

// A shallow arch across the offered width, `height` design units tall, with a sun disc of
// `sunRadius` and a soft halo on it at `t` of its run (kept within 0...1; not a number is 0).
// Near the feet the sun may reach past the drawing area; nothing is clipped.
kit::ui::View SunArc(double t, double height, double sunRadius, const ZCtx &ctx);

} // namespace zavel
