#pragma once

#include "Shared/Views/WidgetContext.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

namespace zavel {

// A capsule track across the offered width, `height` design units thick, filled from the leading
// end to `fraction` of it (kept within 0...1; not a number counts as 0). The fill is never
// narrower than it is high: at 0 it is a round dot.
kit::ui::View TrackBar(double fraction, double height, kit::ui::Color fill, kit::ui::Color track,
                       const ZCtx &ctx);

// A capsule track with a teal segment from `start` over `length`, both fractions of the width,
// neither clamped nor clipped (a start or length that is not finite counts as 0).
kit::ui::View RangeBar(double start, double length, double height, const ZCtx &ctx);

} // namespace zavel
