#include "Shared/Views/WeatherViews/WeatherConditionsView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/WeatherViews/TemperatureText.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {

using namespace kit::ui;

View WeatherConditionsView::body() const {
  double u = ctx.u;
  std::string highLow = fmt::format("H {}° — L {}°", data.high, data.low);
  return DeviceScreen(ctx,
                      VStack(HAlign::leading, 0,
                             {
                                 MicroLabel(data.place, 9, 0.18, ZavelTokens::screenText2, ctx),
                                 numeralFit(Text(degrees(data.temperature))
                                                .font(ctx.mono(76, FontWeight::bold))
                                                .foreground(ctx.accent))
                                     .padding(Edge::top, 16 * u),
                                 MicroLabel(data.condition, 10, 0.16, ZavelTokens::screenText1, ctx)
                                     .padding(Edge::top, 10 * u),
                                 Spacer(),
                                 MicroLabel(highLow, 10, 0.12, ZavelTokens::screenText3, ctx),
                             })
                          .padding(18 * u)
                          .frame(Frame::fill(Alignment::topLeading)));
}

} // namespace zavel
