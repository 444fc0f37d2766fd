#pragma once

#include "kit/ui/IntentReference.h"
#include "kit/ui/View.h"

namespace zavel {

// A key without a look of its own: the label as it is, pressable anywhere in its frame, blank
// spaces included, performing `intent`.
kit::ui::View TapArea(kit::ui::IntentReference intent, const kit::ui::View &label);

} // namespace zavel
