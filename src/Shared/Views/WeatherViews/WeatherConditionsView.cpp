#include "Shared/Views/WeatherViews/WeatherConditionsView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/TemperatureText.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {

using namespace kit::ui;

View WeatherConditionsView::body() const {
  double u = ctx.u;
  std::string highLow = fmt::format("H {}° — L {}°", data.high, data.low);
  return ScreenColumn(
      ctx, {},
      {
          MicroLabel(data.place, 9, 0.18, ZavelTokens::screenText2, ctx),
          numeralFit(Text(temperatureText(data.temperature)).font(ctx.mono(76, FontWeight::bold)))
              .foreground(ctx.accent)
              .padding(Edge::top, 16 * u),
          MicroLabel(data.condition, 10, 0.16, ZavelTokens::screenText1, ctx)
              .padding(Edge::top, 10 * u),
          Spacer(),
          MicroLabel(highLow, 10, 0.12, ZavelTokens::screenText3, ctx),
      });
}

} // namespace zavel
