#pragma once

#include "Shared/Views/WidgetContext.h"
#include "kit/ui/View.h"

namespace zavel {

// A medium deck: a screen beside a rail of keys, the layout the medium decks share. The screen
// holds `screen` padded in from its glass and filling it from the top leading corner; the rail
// stacks `keys` (several as a `Group`) from the top and puts `bottom` in its bottom slot.
kit::ui::View MediumDeck(const ZCtx &ctx, const kit::ui::View &screen, const kit::ui::View &keys,
                         const kit::ui::View &bottom);

} // namespace zavel
