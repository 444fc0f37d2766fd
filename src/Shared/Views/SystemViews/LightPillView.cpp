#include "Shared/Views/SystemViews/LightPillView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

// One half of the pill: its fill with the content over it at the leading side, taking half
// the width whatever the content.
View half(const View &fill, const View &content, const ZCtx &ctx) {
  return ZStack(Alignment::leading, {fill, content.padding(Edge::leading, 30 * ctx.u)})
      .frame({.maxWidth = infinity});
}

View litHalf(const PowerSnapshot &power, const ZCtx &ctx) {
  return half(LinearGradient{{ZavelTokens::pillLitA, ZavelTokens::pillLitB},
                             UnitPoint::top,
                             UnitPoint::bottom},
              numeralFit(Text(std::to_string(power.percent) + "%")
                             .font(ctx.mono(38, FontWeight::bold))
                             .foreground(ZavelTokens::pillInk)),
              ctx);
}

View darkHalf(const PowerSnapshot &power, const ZCtx &ctx) {
  std::string state = power.isCharging ? "CHARGING" : "ON BATTERY";
  return half(
      EllipticalGradient{
          {ZavelTokens::screenTop, ZavelTokens::screenBottom}, UnitPoint::top, 0, 1.1},
      VStack(HAlign::leading, 8 * ctx.u,
             {
                 MicroLabel("MACBOOK — " + state, 9, 0.18, ZavelTokens::screenText2, ctx),
                 MicroLabel("POWER — " + power.remaining.value_or("—"), 9, 0.14,
                            ZavelTokens::screenText3, ctx),
             }),
      ctx);
}

} // namespace

View LightPillView::body() const {
  return DeviceScreen(ctx, HStack(VAlign::center, 0, {litHalf(data, ctx), darkHalf(data, ctx)})
                               .overlay(ScreenRim(deviceScreenRadius(ctx))));
}

} // namespace zavel
