#include "Shared/Views/SystemViews/BatteryMinimalView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/NumeralReadout.h"
#include "Shared/Views/ScreenColumn.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

std::string stateText(const PowerSnapshot &power) {
  if (power.isCharging)
    return "CHARGING";
  if (power.remaining)
    return *power.remaining + " REMAINING";
  return "ON BATTERY";
}

} // namespace

View BatteryMinimalView::body() const {
  double u = ctx.u;
  return ScreenColumn(
      ctx, {},
      {
          MicroLabel("BATTERY", 9, 0.18, ZavelTokens::screenText2, ctx),
          NumeralReadout(
              {.numeral = std::to_string(data.percent), .size = 68, .unit = "%", .unitSize = 26},
              ctx)
              .padding(Edge::top, 18 * u),
          Spacer(0),
          TrackBar(static_cast<double>(data.percent) / 100, {.height = 5}, ctx),
          MicroLabel(stateText(data), 9, 0.14, ZavelTokens::screenText3, ctx)
              .padding(Edge::top, 12 * u),
      });
}

} // namespace zavel
