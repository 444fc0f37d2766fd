#include "Shared/Views/ClockViews/ClockDigitalOrbView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/AccentDot.h"
#include "Shared/Views/ClockViews/ClockFields.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/Hardware/ZRing.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View ClockDigitalOrbView::body() const {
  double u = ctx.u;
  // The ring counts whole minutes, so it never closes: 59/60 at :59.
  double progress = clockFields(date, timeZone).minute / 60.0;
  View orb = ZStack({
      // An 8-unit ring on a 196-unit centre line fills the 204-unit orb to its edge.
      ZRing(progress,
            {.diameter = 196, .stroke = 8, .color = ctx.accent, .track = ZavelTokens::track}, ctx),
      VStack(HAlign::center, 7 * u,
             {
                 AccentDot(5, ctx),
                 numeralFit(
                     Text(ClockFormat::hhmm(date, timeZone)).font(ctx.mono(36, FontWeight::bold))),
                 MicroLabel(ClockFormat::formatted("EEE d MMM", date, timeZone), 9, 0.16,
                            ZavelTokens::screenText3, ctx),
             }),
  });
  return DeviceScreen(ctx, orb.frame(204 * u, 204 * u).padding(16 * u));
}

} // namespace zavel
