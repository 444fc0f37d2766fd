#include "Shared/Views/HealthViews/BatteryRingView.h"

#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/Hardware/ZRing.h"
#include "Shared/Views/RingDial.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;

// The first battery listed, which is the computer's own whenever it has one.
std::string deviceLabel(const PowerSnapshot &power) {
  return power.devices.empty() ? "MacBook" : power.devices.front().name;
}

} // namespace

View BatteryRingView::body() const {
  RingStyle ring{.diameter = 190,
                 .stroke = 8,
                 .color = ctx.casingShade(ctx.accent),
                 .track = ctx.casingInk(InkLevel::unlit)};
  return RingDial(
      ctx, 212, ZRing(double(data.percent) / 100, ring, ctx),
      {
          MicroLabel(deviceLabel(data), 8, 0.18, ctx.casingInk(InkLevel::tertiary), ctx),
          numeralFit(Text(fmt::format("{}%", data.percent)).font(ctx.mono(34, FontWeight::bold))),
      });
}

} // namespace zavel
