#include "Shared/Views/ClockViews/ClockHorizonView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/AccentDot.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View ClockHorizonView::body() const {
  double u = ctx.u;
  std::string longDate = ClockFormat::formatted("EEEE d MMMM", date, timeZone);
  View block = VStack(
      HAlign::leading, 0,
      {
          numeralFit(Text(ClockFormat::hhmm(date, timeZone))
                         .font(ctx.mono(78, FontWeight::bold))
                         .tracking(-0.78 * u)),
          DotCaption(longDate, {.size = 11, .em = 0.16, .color = ZavelTokens::screenText2}, ctx)
              .padding(Edge::top, 14 * u),
      });
  return DeviceScreen(ctx, block.padding(Edge::vertical, 22 * u)
                               .padding(Edge::horizontal, 30 * u)
                               .frame(Frame::fill(Alignment::leading)));
}

} // namespace zavel
