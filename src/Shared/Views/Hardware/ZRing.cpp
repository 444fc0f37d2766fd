#include "Shared/Views/Hardware/ZRing.h"

#include "kit/ui/UI.h"

#include <algorithm>
#include <vector>

namespace zavel {

using namespace kit::ui;

View ZRing(double progress, double diameter, double stroke, Color color, Color track,
           const ZCtx &ctx) {
  double d = diameter * ctx.u, lineWidth = stroke * ctx.u;
  double p = progress > 0 ? std::min(progress, 1.0) : 0;
  std::vector<View> layers{Circle().stroke(track, lineWidth)};
  // An empty arc would still show its round caps as a dot.
  if (p > 0)
    layers.push_back(
        Circle()
            .trim(0, p)
            .stroke(color, StrokeStyle{.lineWidth = lineWidth, .lineCap = LineCap::round})
            .rotation(Angle::degrees(-90)));
  return ZStack(std::move(layers)).frame(d, d);
}

} // namespace zavel
