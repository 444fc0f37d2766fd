#include "Shared/Views/ClockViews/AnalogHands.h"

#include "Shared/Views/ClockViews/ClockHand.h"
#include "kit/ui/UI.h"

#include <vector>

namespace zavel {

using namespace kit::ui;

namespace {

View hand(const HandStyle &style, double angle, const ZCtx &ctx) {
  return ClockHand{style.width, style.length, style.radius, style.color, angle, ctx}.body();
}

} // namespace

View AnalogHands(const HandSet &hands, const HandAngles &angles, const ZCtx &ctx) {
  double cap = hands.cap * ctx.u;
  return ZStack({
      hand(hands.hour, angles.hour, ctx),
      hand(hands.minute, angles.minute, ctx),
      hands.second ? hand(*hands.second, angles.second, ctx) : EmptyView(),
      Circle().fill(ctx.accent).frame(cap, cap),
  });
}

} // namespace zavel
