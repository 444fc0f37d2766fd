#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

namespace zavel {

// How a ring gauge looks: its size across the centre line and its line's width, in design units,
// and the colours of its arc and of the track beneath.
struct RingStyle {
  double diameter = 0;
  double stroke = 0;
  kit::ui::Color color;
  kit::ui::Color track;
};

// A ring gauge: a full track circle and, over it, an arc with round caps from 12 o'clock
// clockwise over `progress` of the turn (kept within 0...1). At no progress (0, negative or not a
// number) only the track is drawn.
kit::ui::View ZRing(double progress, const RingStyle &style, const ZCtx &ctx);

} // namespace zavel
