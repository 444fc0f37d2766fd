#include "Shared/Views/HealthViews/StepsView.h"

#include "Shared/Data/WidgetIntents/AddStepsIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/Hardware/ZRing.h"
#include "Shared/Views/RingDial.h"
#include "Shared/Views/TapArea.h"
#include "kit/foundation/GroupedInteger.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"

#include <algorithm>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::foundation::groupedInteger;

// The share of the goal walked, full at or past it; no goal leaves the ring empty.
double progress(const CounterSnapshot &steps) {
  if (steps.goal < 1)
    return 0;
  return std::min(double(steps.value) / double(steps.goal), 1.0);
}

} // namespace

View StepsView::body() const {
  RingStyle ring{.diameter = 148,
                 .stroke = 8,
                 .color = ctx.casingShade(ZavelTokens::dataTeal),
                 .track = ctx.casingInk(InkLevel::unlit)};
  // The whole dial is the key that logs a thousand steps.
  View dial = RingDial(
      ctx, 170, ZRing(progress(data), ring, ctx),
      {
          MicroLabel("STEPS", 8, 0.18, ctx.casingInk(InkLevel::tertiary), ctx),
          numeralFit(Text(groupedInteger(data.value)).font(ctx.mono(28, FontWeight::bold))),
          MicroLabel("OF " + groupedInteger(data.goal), 8, 0.16, ctx.casingInk(InkLevel::tertiary),
                     ctx),
      });
  return TapArea(kit::intents::intentReference(AddStepsIntent()), dial);
}

} // namespace zavel
