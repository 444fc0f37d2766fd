#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// A sun partly behind a cloud, in a 120 × 86 design-unit frame when `large`, else 76 × 54.
// The cloud's base reaches below the frame; nothing is clipped. The same on every casing.
kit::ui::View SunCloudArt(bool large, const ZCtx &ctx);

} // namespace zavel
