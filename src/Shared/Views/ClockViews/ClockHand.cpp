#include "Shared/Views/ClockViews/ClockHand.h"

#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

View ClockHand::body() const {
  double u = ctx.u;
  // Turned about the centre of its frame before the offset, which is the dial's centre.
  return RoundedRectangle(radius * u, RoundedCornerStyle::continuous)
      .fill(color)
      .frame(width * u, length * u)
      .offset(0, -length * u / 2)
      .rotation(Angle::degrees(angle));
}

} // namespace zavel
