#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

namespace zavel {

// A round indicator lamp `size` design units wide: lit in `color`, or dark grey when off.
kit::ui::View LEDDot(bool on, kit::ui::Color color, double size, const ZCtx &ctx);

} // namespace zavel
