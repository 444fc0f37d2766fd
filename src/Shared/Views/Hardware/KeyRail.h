#pragma once

#include "Shared/Views/WidgetContext.h"
#include "kit/ui/View.h"

namespace zavel {

// The strip of keys at the side of a deck: the keys in a column from the top, a slot at the
// bottom under a horizontal seam, and a vertical casing seam along the leading edge. Lengths are
// design units; the rail takes the height offered. Several keys are passed as a `Group`.
kit::ui::View KeyRail(double width, double leadPad, double topPad, double keyGap, double bottomPad,
                      const ZCtx &ctx, const kit::ui::View &keys, const kit::ui::View &bottom);

} // namespace zavel
