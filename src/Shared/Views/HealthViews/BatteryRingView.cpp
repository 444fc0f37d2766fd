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

// The ring's inner edge (91 units from the centre) leaves about 173 units across the label's
// capitals, some 28 units above the centre (every other numeral style sets them lower); 166 keeps
// them a few units clear of it. A longer name (an accessory's) shrinks to 0.7, then is cut.
constexpr double labelWidth = 166;
constexpr double labelLeastScale = 0.7;

} // namespace

View BatteryRingView::body() const {
  RingStyle ring{.diameter = 190,
                 .stroke = 8,
                 .color = ctx.casingShade(ctx.accent),
                 .track = ctx.casingInk(InkLevel::unlit)};
  return RingDial(
      ctx, 212, ZRing(double(data.percent) / 100, ring, ctx),
      {
          MicroLabel(deviceLabel(data), 8, 0.18, ctx.casingInk(InkLevel::tertiary), ctx)
              .minimumScaleFactor(labelLeastScale)
              .frame({.maxWidth = labelWidth * ctx.u}),
          numeralFit(Text(fmt::format("{}%", data.percent)).font(ctx.mono(34, FontWeight::bold))),
      });
}

} // namespace zavel
