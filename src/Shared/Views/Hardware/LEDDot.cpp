#include "Shared/Views/Hardware/LEDDot.h"

#include "Shared/Theme/DesignTokens.h"
#include "kit/ui/Shape.h"

namespace zavel {

kit::ui::View LEDDot(bool on, kit::ui::Color color, double size, const ZCtx &ctx) {
  double side = size * ctx.u;
  return kit::ui::Circle().fill(on ? color : ZavelTokens::barGray).frame(side, side);
}

} // namespace zavel
