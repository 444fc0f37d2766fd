#include "Shared/Views/Hardware/KeyButton.h"

#include "Shared/Views/Hardware/HardwareKeys.h"
#include "kit/ui/Controls.h"

namespace zavel {

kit::ui::View KeyButton(kit::ui::IntentReference intent, const kit::ui::View &face,
                        const ZCtx &ctx) {
  return kit::ui::Button(std::move(intent), face).buttonStyle(HardwareKeyStyle(ctx.u));
}

} // namespace zavel
