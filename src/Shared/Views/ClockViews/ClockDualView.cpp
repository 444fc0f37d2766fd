#include "Shared/Views/ClockViews/ClockDualView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/ClockFields.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/Hairline.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View ClockDualView::half(const std::string &name, const kit::foundation::TimeZone &zone) const {
  std::string zoneLine = ClockFormat::gmtLabel(zone, date) + " — " + dayOrNight(date, zone);
  return VStack(HAlign::leading, 8 * ctx.u,
                {
                    MicroLabel(name, 9, 0.18, ZavelTokens::screenText2, ctx),
                    numeralFit(
                        Text(ClockFormat::hhmm(date, zone)).font(ctx.mono(38, FontWeight::bold))),
                    MicroLabel(zoneLine, 8, 0.18, ZavelTokens::screenText3, ctx),
                })
      .padding(Edge::leading, 34 * ctx.u)
      .frame(Frame::fill(Alignment::leading));
}

View ClockDualView::body() const {
  View divider = Rectangle()
                     .fill(ZavelTokens::hairlineRow)
                     .frame({.width = hairlineWidth(ctx.u)})
                     .padding(Edge::vertical, 40 * ctx.u);
  return DeviceScreen(ctx, HStack(VAlign::center, 0,
                                  {half(homeName, homeZone), divider, half(awayName, awayZone)}));
}

} // namespace zavel
