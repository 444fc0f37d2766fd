#pragma once

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

namespace zavel {

// How a capsule bar looks: its thickness in design units, the colour of what is filled and of the
// track beneath.
struct BarStyle {
  double height = 0;
  kit::ui::Color fill = ZavelTokens::dataTeal;
  kit::ui::Color track = ZavelTokens::track;
};

// A capsule track across the offered width, filled from the leading end to `fraction` of it (kept
// within 0...1; not a number counts as 0). The fill is never narrower than it is high: at 0 it is
// a round dot.
kit::ui::View TrackBar(double fraction, const BarStyle &style, const ZCtx &ctx);

// A capsule track with a filled segment from `start` over `length`, both fractions of the width,
// neither clamped nor clipped (a start or length that is not finite counts as 0).
kit::ui::View RangeBar(double start, double length, const BarStyle &style, const ZCtx &ctx);

} // namespace zavel
