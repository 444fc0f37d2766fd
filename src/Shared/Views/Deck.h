#pragma once

#include "Shared/Views/Hardware/KeyRail.h"
#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/IntentReference.h"
#include "kit/ui/View.h"

#include <string>
#include <string_view>

namespace zavel {

// The measures of a deck, in design units: the gap between its screen and its rail, the padding
// from the casing's edge, the padding inside the screen, and the rail's own.
struct DeckMetrics {
  double spacing = 0;
  double padding = 0;
  double contentVertical = 0;
  double contentHorizontal = 0;
  RailMetrics rail;
};

// What the medium decks (now playing, notes, feeds) share.
inline constexpr DeckMetrics mediumDeck{
    .spacing = 13,
    .padding = 15,
    .contentVertical = 20,
    .contentHorizontal = 22,
    .rail = {.width = 84, .leadPad = 12, .topPad = 8, .keyGap = 10, .bottomPad = 12}};

// A deck: its own screen, holding `screen` padded and pinned to its top-leading corner, beside a
// key rail with `keys` from the top and `bottomKey` in the slot at the bottom.
kit::ui::View Deck(const ZCtx &ctx, const DeckMetrics &metrics, const kit::ui::View &screen,
                   const kit::ui::View &keys, const kit::ui::View &bottomKey);

// A round key face of a deck's rail, `diameter` design units wide, its icon in `ink`. The face
// is drawn once per process and copied afterwards, so `look` names everything the icon shows
// ("chevron.up", "heart.filled").
kit::ui::View DeckKeyFace(double diameter, kit::ui::Color ink, const kit::ui::View &icon,
                          std::string_view look, const ZCtx &ctx);
// The face of the accent key in the bottom slot of a deck's rail, drawn once per process alike.
kit::ui::View DeckAccentFace(double diameter, const kit::ui::View &icon, std::string_view look,
                             const ZCtx &ctx);

// A round key of a medium deck's rail: a light key face 42 units wide.
kit::ui::View MediumDeckKey(kit::ui::IntentReference intent, kit::ui::Color ink,
                            const kit::ui::View &icon, std::string_view look, const ZCtx &ctx);
// The accent key in the bottom slot of a medium deck's rail, 52 units wide.
kit::ui::View MediumDeckAccentKey(kit::ui::IntentReference intent, const kit::ui::View &icon,
                                  std::string_view look, const ZCtx &ctx);
// Its face alone, for a key that opens a link instead.
kit::ui::View MediumDeckAccentFace(const kit::ui::View &icon, std::string_view look,
                                   const ZCtx &ctx);
// A short word printed on an accent key ("PIN", "OPEN").
kit::ui::View AccentKeyWord(const std::string &word, const ZCtx &ctx);

} // namespace zavel
