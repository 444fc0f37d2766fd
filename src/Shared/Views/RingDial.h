#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// A round gauge drawn straight on the casing: the ring and, over it, a centred column of readings
// 5 units apart, in a square `side` design units wide, centred in the widget within a margin of
// 16 units.
kit::ui::View RingDial(const ZCtx &ctx, double side, const kit::ui::View &ring,
                       std::vector<kit::ui::View> readings);

} // namespace zavel
