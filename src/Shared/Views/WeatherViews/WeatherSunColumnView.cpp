#include "Shared/Views/WeatherViews/WeatherSunColumnView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/SkyMath.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/Hardware/SunArc.h"
#include "Shared/Views/Hardware/SunCloudArt.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/TemperatureText.h"
#include "kit/foundation/TextOperations.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <cmath>

namespace zavel {

using namespace kit::ui;
using kit::foundation::Date;

namespace {

// Shown when the sun cannot be placed.
const WeatherSunColumnView::SunPlace unplaced{"21:04", 0.34};

} // namespace

WeatherSunColumnView::SunPlace
WeatherSunColumnView::sunPlace(std::optional<Date> sunrise, std::optional<Date> sunset, Date date,
                               const kit::foundation::TimeZone &zone) {
  if (!sunrise || !sunset)
    return unplaced;
  std::string label = ClockFormat::hhmm(*sunset, zone);
  double length = sunset->timeIntervalSince(*sunrise);
  if (!(length > 0))
    return {label, unplaced.t};
  double t = date.timeIntervalSince(*sunrise) / length;
  return {label, std::isnan(t) ? 0.05 : std::clamp(t, 0.05, 0.95)};
}

namespace {

// Where the sun stands now at the snapshot's place, the times worked out for the clock's day.
WeatherSunColumnView::SunPlace sunToday(const WeatherSnapshot &data, Date date,
                                        const kit::foundation::Clock &clock) {
  if (!data.latitude || !data.longitude)
    return unplaced;
  Date now = clock.now();
  std::optional<Date> sunrise = SkyMath::solarEvent(true, now, *data.latitude, *data.longitude);
  if (!sunrise)
    return unplaced;
  std::optional<Date> sunset = SkyMath::solarEvent(false, now, *data.latitude, *data.longitude);
  return WeatherSunColumnView::sunPlace(sunrise, sunset, date, data.placeTimeZone());
}

View sunsetBlock(const WeatherSunColumnView::SunPlace &sun, const ZCtx &ctx) {
  return VStack(
      HAlign::leading, 0,
      {
          HStack(VAlign::firstTextBaseline,
                 {
                     MicroLabel("SUNSET", 10, 0.14, ZavelTokens::screenText2, ctx),
                     Spacer(),
                     Text(sun.label).font(ctx.mono(16, FontWeight::bold)).textRole(TextRole::data),
                 }),
          SunArc(sun.t, {.height = 88, .sunRadius = 7.5}, ctx).padding(Edge::top, 8 * ctx.u),
      });
}

} // namespace

View WeatherSunColumnView::body() const {
  double u = ctx.u;
  std::string feels = data.place + " — FEELS " + temperatureText(data.feelsLike);
  return ScreenColumn(
      ctx, {.vertical = 32, .horizontal = 36},
      {
          SunCloudArt(true, ctx),
          numeralFit(Text(temperatureText(data.temperature)).font(ctx.mono(128, FontWeight::bold)))
              .tracking(-2.56 * u)
              .foreground(ctx.accent)
              .padding(Edge::top, 24 * u),
          Text(kit::foundation::capitalized(data.condition))
              .font(ctx.mono(20, FontWeight::regular))
              .padding(Edge::top, 14 * u),
          MicroLabel(feels, 11, 0.14, ZavelTokens::screenText3, ctx).padding(Edge::top, 10 * u),
          Spacer(),
          sunsetBlock(sunToday(data, date, clock), ctx),
      });
}

} // namespace zavel
