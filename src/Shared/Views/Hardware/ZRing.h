#pragma once

#include "Shared/Views/WidgetContext.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

namespace zavel {

// A ring gauge `diameter` design units across its centre line: a full track circle and, over it,
// an arc with round caps from 12 o'clock clockwise over `progress` of the turn (kept within
// 0...1). At no progress (0, negative or not a number) only the track is drawn.
kit::ui::View ZRing(double progress, double diameter, double stroke, kit::ui::Color color,
                    kit::ui::Color track, const ZCtx &ctx);

} // namespace zavel
