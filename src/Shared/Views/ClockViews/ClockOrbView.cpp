#include "Shared/Views/ClockViews/ClockOrbView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/AnalogHands.h"
#include "Shared/Views/ClockViews/ClockHand.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/Hairline.h"
#include "kit/ui/UI.h"

#include <array>

namespace zavel {
namespace {

using namespace kit::ui;

HandSet orbHands(const ZCtx &ctx, bool live) {
  HandSet hands{.hour = {.width = 4, .length = 48, .radius = 2, .color = ZavelTokens::screenText1},
                .minute = {.width = 3, .length = 70, .radius = 2, .color = handGray},
                .second = std::nullopt,
                .cap = 9};
  if (live)
    hands.second = HandStyle{.width = 1.5, .length = 80, .radius = 0, .color = ctx.accent};
  return hands;
}

// The dots at 12, 3, 6 and 9 o'clock, 88 units from the centre.
constexpr std::array<Point, 4> tickOffsets{{{0, -88}, {88, 0}, {0, 88}, {-88, 0}}};

View tick(Point offset, double u) {
  return Circle().fill(ZavelTokens::muted).frame(4 * u, 4 * u).offset(offset.x * u, offset.y * u);
}

} // namespace

View ClockOrbView::body() const {
  double u = ctx.u;
  HandAngles angles = handAngles(date, timeZone, liveSeconds);
  View dial = ZStack({
      Circle().fill(ZavelTokens::dialFace),
      Circle().strokeBorder(ZavelTokens::trackFine, hairlineWidth(u)),
      ForEach(tickOffsets, [u](Point offset) { return tick(offset, u); }),
      AnalogHands(orbHands(ctx, liveSeconds.has_value()), angles, ctx),
  });
  return DeviceScreen(ctx, dial.frame(200 * u, 200 * u).padding(16 * u));
}

} // namespace zavel
