#pragma once

#include "kit/ui/View.h"

namespace zavel {

// A big numeral kept on one line: it shrinks, down to 0.55 of its size, before it is cut.
kit::ui::View numeralFit(const kit::ui::View &numeral);

} // namespace zavel
