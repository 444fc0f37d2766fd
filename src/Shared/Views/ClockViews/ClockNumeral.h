#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// The bold numeral of a line of hours or minutes, in design units: its font size, its tracking
// and the height of its line, less than the font's own so stacked lines sit close.
struct NumeralLine {
  double size = 0;
  double tracking = 0;
  double height = 0;
};

// One line of a face that stacks the hours over the minutes.
kit::ui::View ClockNumeral(const std::string &text, kit::ui::Color color, const NumeralLine &line,
                           const ZCtx &ctx);

} // namespace zavel
