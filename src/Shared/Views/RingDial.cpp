#include "Shared/Views/RingDial.h"

#include "kit/ui/Stacks.h"

namespace zavel {

using namespace kit::ui;

View RingDial(const ZCtx &ctx, double side, const View &ring, std::vector<View> readings) {
  double u = ctx.u;
  return ZStack({ring, VStack(HAlign::center, 5 * u, std::move(readings))})
      .frame(side * u, side * u)
      .frame(Frame::fill())
      .padding(16 * u);
}

} // namespace zavel
