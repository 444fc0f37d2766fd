#include "Shared/Views/Hardware/ZRing.h"

#include "kit/ui/UI.h"

#include <algorithm>
#include <vector>

namespace zavel {

using namespace kit::ui;

View ZRing(double progress, const RingStyle &style, const ZCtx &ctx) {
  double d = style.diameter * ctx.u, lineWidth = style.stroke * ctx.u;
  double p = progress > 0 ? std::min(progress, 1.0) : 0;
  std::vector<View> layers{Circle().stroke(style.track, lineWidth)};
  // An empty arc would still show its round caps as a dot.
  if (p > 0)
    layers.push_back(
        Circle()
            .trim(0, p)
            .stroke(style.color, StrokeStyle{.lineWidth = lineWidth, .lineCap = LineCap::round})
            .rotation(Angle::degrees(-90)));
  return ZStack(std::move(layers)).frame(d, d);
}

} // namespace zavel
