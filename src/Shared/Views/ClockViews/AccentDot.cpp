#include "Shared/Views/ClockViews/AccentDot.h"

#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View AccentDot(double diameter, const ZCtx &ctx) {
  return Circle().fill(ctx.accent).frame(diameter * ctx.u, diameter * ctx.u);
}

View DotCaption(const std::string &text, const CaptionStyle &style, const ZCtx &ctx) {
  return HStack(VAlign::center, 10 * ctx.u,
                {
                    AccentDot(6, ctx),
                    MicroLabel(text, style.size, style.em, style.color, ctx),
                });
}

} // namespace zavel
