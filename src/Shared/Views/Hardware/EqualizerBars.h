#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

namespace zavel {

// The still picture of a level meter: a bottom-aligned row of thin teal bars of fixed uneven
// heights across the offered width (at least 18, running past the trailing edge when they do not
// fit), 38 design units tall, every bar lowered to about a third while not `playing`.
kit::ui::View EqualizerBars(bool playing, const ZCtx &ctx);

} // namespace zavel
