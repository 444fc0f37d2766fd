#pragma once

#include "Shared/Views/ClockViews/HandAngles.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

#include <optional>

namespace zavel {

// One hand's bar in design units.
struct HandStyle {
  double width = 0;
  double length = 0;
  double radius = 0;
  kit::ui::Color color;
};

// The hands a face draws and the diameter of the accent cap over their pivot.
struct HandSet {
  HandStyle hour;
  HandStyle minute;
  std::optional<HandStyle> second;
  double cap = 0;
};

// The hour, minute and (when the set has one) second hands at their angles, pivoting on the
// centre of the frame they are laid in, under the cap.
kit::ui::View AnalogHands(const HandSet &hands, const HandAngles &angles, const ZCtx &ctx);

} // namespace zavel
