#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The measures of a key rail, in design units.
struct RailMetrics {
  double width = 0;     // the whole rail, its leading padding included
  double leadPad = 0;   // between the seam and the keys
  double topPad = 0;    // above the first key
  double keyGap = 0;    // between keys
  double bottomPad = 0; // above the bottom slot, the seam's two lines included
};

// The strip of keys at the side of a deck: the keys in a column from the top, a slot at the
// bottom under a horizontal seam, and a vertical casing seam along the leading edge. The rail
// takes the height offered. Several keys are passed as a `Group`.
kit::ui::View KeyRail(const RailMetrics &metrics, const ZCtx &ctx, const kit::ui::View &keys,
                      const kit::ui::View &bottom);

} // namespace zavel
