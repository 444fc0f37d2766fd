#include "Shared/Views/TimerScreen.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/LEDDot.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View TimerScreen(const TimerScreenParts &parts, const ZCtx &ctx) {
  View time = numeralFit(parts.time.font(ctx.mono(52, FontWeight::bold)).tracking(1.04 * ctx.u))
                  .multilineTextAlignment(TextAlignment::leading);
  View hint = MicroLabel(parts.hint, 9, 0.14, ZavelTokens::screenText3, ctx);
  return ScreenColumn(
      ctx, {.alignment = Alignment::leading},
      {
          HStack(VAlign::center, {MicroLabel(parts.caption, 9, 0.18, ZavelTokens::screenText2, ctx),
                                  Spacer(), LEDDot(parts.lit, parts.lamp, 7, ctx)}),
          Spacer(0),
          Button(parts.timeKey, time),
          Spacer(0),
          HStack(VAlign::firstTextBaseline,
                 {hint, Spacer(),
                  Button(parts.resetKey, MicroLabel("RESET", 9, 0.14, ZavelTokens::muted, ctx))}),
      });
}

} // namespace zavel
