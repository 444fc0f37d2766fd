#pragma once

#include "kit/ui/View.h"

namespace zavel {

// A big numeral kept on one line: it shrinks, down to 0.55 of its size, before it is cut. It is
// data, to be read whole.
kit::ui::View numeralFit(const kit::ui::View &numeral);

// A small figure (a time, temperature, percentage or count) in a cell sized for the longest value
// it usually holds: kept on one line, it shrinks, down to 0.7 of its size, for a longer one before
// it is cut. It is data, to be read whole.
kit::ui::View figureFit(const kit::ui::View &figure);

} // namespace zavel
