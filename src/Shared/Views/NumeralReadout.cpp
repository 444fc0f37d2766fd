#include "Shared/Views/NumeralReadout.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View NumeralReadout(const Readout &readout, const ZCtx &ctx) {
  return HStack(
             VAlign::firstTextBaseline, 8 * ctx.u,
             {
                 numeralFit(Text(readout.numeral).font(ctx.mono(readout.size, FontWeight::bold))),
                 Text(readout.unit)
                     .font(ctx.mono(readout.unitSize, FontWeight::regular))
                     .foreground(ZavelTokens::screenText3),
             })
      .textRole(TextRole::data);
}

} // namespace zavel
