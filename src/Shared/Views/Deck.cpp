#include "Shared/Views/Deck.h"

#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/HardwareKeys.h"
#include "Shared/Views/Hardware/KeyButton.h"
#include "kit/ui/Stacks.h"

#include "kit/ui/Text.h"
#include <fmt/format.h>

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

// A key face with its shadow's blur is the dearest thing a deck draws; its pixels depend only on
// what it shows, its colours and its size, which the layer's cache keeps apart by itself.
View DeckKeyFace(double diameter, Color ink, const View &icon, std::string_view look,
                 const ZCtx &ctx) {
  return KeyFace(diameter * ctx.u, ctx.u, ink, icon)
      .staticLayer(fmt::format("zavel.deck.key.{}.{}", look, ink.hexString()));
}

View DeckAccentFace(double diameter, const View &icon, std::string_view look, const ZCtx &ctx) {
  return AccentKeyFace(diameter * ctx.u, ctx.u, ctx.accent, icon)
      .staticLayer(fmt::format("zavel.deck.accentKey.{}.{}", look, ctx.accent.hexString()));
}

View MediumDeckKey(IntentReference intent, Color ink, const View &icon, std::string_view look,
                   const ZCtx &ctx) {
  return KeyButton(std::move(intent), DeckKeyFace(42, ink, icon, look, ctx), ctx);
}

View MediumDeckAccentKey(IntentReference intent, const View &icon, std::string_view look,
                         const ZCtx &ctx) {
  return KeyButton(std::move(intent), MediumDeckAccentFace(icon, look, ctx), ctx);
}

View MediumDeckAccentFace(const View &icon, std::string_view look, const ZCtx &ctx) {
  return DeckAccentFace(52, icon, look, ctx);
}

View AccentKeyWord(const std::string &word, const ZCtx &ctx) {
  return Text(word).font(ctx.mono(11, FontWeight::bold)).tracking(0.87 * ctx.u);
}

} // namespace zavel
