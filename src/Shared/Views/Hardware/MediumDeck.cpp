#include "Shared/Views/Hardware/MediumDeck.h"

#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/KeyRail.h"
#include "kit/ui/UI.h"

namespace zavel {

using namespace kit::ui;

namespace {

// In design units.
constexpr double deckPadding = 15;
constexpr double screenToRail = 13;
constexpr RailMetrics deckRail{
    .width = 84, .leadPad = 12, .topPad = 8, .keyGap = 10, .bottomPad = 12};

} // namespace

View MediumDeck(const ZCtx &ctx, const View &screen, const View &keys, const View &bottom) {
  double u = ctx.u;
  return HStack(VAlign::center, screenToRail * u,
                {
                    ScreenPane(screenRadius(ctx, deckPadding * u),
                               screen.padding(Edge::vertical, 20 * u)
                                   .padding(Edge::horizontal, 22 * u)
                                   .frame(Frame::fill(Alignment::topLeading))),
                    KeyRail(deckRail, ctx, keys, bottom),
                })
      .padding(deckPadding * u);
}

} // namespace zavel
