#include "Shared/Views/ClockViews/ClockNumeralDialView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ClockViews/AnalogHands.h"
#include "Shared/Views/ClockViews/ClockHand.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "kit/ui/UI.h"

namespace zavel {
namespace {

using namespace kit::ui;

const HandSet dialHands{
    .hour = {.width = 4, .length = 46, .radius = 2, .color = ZavelTokens::screenText1},
    .minute = {.width = 3, .length = 66, .radius = 2, .color = handGray},
    .second = std::nullopt,
    .cap = 7};

View numeral(const std::string &text, const ZCtx &ctx) {
  return Text(text)
      .font(ctx.mono(11, FontWeight::regular))
      .foreground(ZavelTokens::screenText3)
      .textRole(TextRole::data);
}

// The numerals laid over the dial's frame, each just inside its edge.
View withNumerals(const View &dial, const ZCtx &ctx) {
  double u = ctx.u;
  return dial.overlay(numeral("12", ctx).padding(Edge::top, 8 * u), Alignment::top)
      .overlay(numeral("3", ctx).padding(Edge::trailing, 10 * u), Alignment::trailing)
      .overlay(numeral("6", ctx).padding(Edge::bottom, 8 * u), Alignment::bottom)
      .overlay(numeral("9", ctx).padding(Edge::leading, 10 * u), Alignment::leading);
}

} // namespace

View ClockNumeralDialView::body() const {
  double u = ctx.u;
  View hands = AnalogHands(dialHands, handAngles(date, timeZone), ctx).frame(200 * u, 200 * u);
  return DeviceScreen(ctx, withNumerals(hands, ctx).padding(16 * u));
}

} // namespace zavel
