#include "Shared/Views/Deck.h"

#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/HardwareKeys.h"
#include "Shared/Views/Hardware/KeyButton.h"
#include "kit/ui/Stacks.h"
#include "kit/ui/Text.h"

namespace zavel {

using namespace kit::ui;

View Deck(const ZCtx &ctx, const DeckMetrics &metrics, const View &screen, const View &keys,
          const View &bottomKey) {
  double u = ctx.u;
  return HStack(VAlign::center, metrics.spacing * u,
                {
                    ScreenPane(screenRadius(ctx, metrics.padding * u),
                               screen.padding(Edge::vertical, metrics.contentVertical * u)
                                   .padding(Edge::horizontal, metrics.contentHorizontal * u)
                                   .frame(Frame::fill(Alignment::topLeading))),
                    KeyRail(metrics.rail, ctx, keys, bottomKey),
                })
      .padding(metrics.padding * u);
}

View MediumDeckKey(IntentReference intent, Color ink, const View &icon, const ZCtx &ctx) {
  return KeyButton(std::move(intent), KeyFace(42 * ctx.u, ctx.u, ink, icon), ctx);
}

View MediumDeckAccentKey(IntentReference intent, const View &icon, const ZCtx &ctx) {
  return KeyButton(std::move(intent), MediumDeckAccentFace(icon, ctx), ctx);
}

View MediumDeckAccentFace(const View &icon, const ZCtx &ctx) {
  return AccentKeyFace(52 * ctx.u, ctx.u, ctx.accent, icon);
}

View AccentKeyWord(const std::string &word, const ZCtx &ctx) {
  return Text(word).font(ctx.mono(11, FontWeight::bold)).tracking(0.87 * ctx.u);
}

} // namespace zavel
