#include "Shared/Views/WeatherViews/AirQualityView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <string>

namespace zavel {
namespace {

using namespace kit::ui;

// The bar's share of 200; a fetched index below 0 leaves it empty.
double barFraction(int64_t aqi) { return std::clamp(static_cast<double>(aqi) / 200, 0.0, 1.0); }

} // namespace

View AirQualityView::body() const {
  double u = ctx.u;
  Color reading = data.aqi < 101 ? ZavelTokens::dataTeal : ctx.accent;
  return ScreenColumn(
      ctx, {},
      {
          MicroLabel("AIR QUALITY", 9, 0.18, ZavelTokens::screenText2, ctx),
          numeralFit(Text(std::to_string(data.aqi)).font(ctx.mono(72, FontWeight::bold)))
              .foreground(reading)
              .padding(Edge::top, 16 * u),
          MicroLabel(data.category(), 10, 0.16, ZavelTokens::screenText1, ctx)
              .padding(Edge::top, 10 * u),
          Spacer(0),
          TrackBar(barFraction(data.aqi), {.height = 5, .fill = reading}, ctx),
      });
}

} // namespace zavel
