#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/IntentReference.h"
#include "kit/ui/View.h"

namespace zavel {

// A hardware key: a button performing `intent` whose label is the key's `face`, sinking while
// held (HardwareKeyStyle).
kit::ui::View KeyButton(kit::ui::IntentReference intent, const kit::ui::View &face,
                        const ZCtx &ctx);

} // namespace zavel
