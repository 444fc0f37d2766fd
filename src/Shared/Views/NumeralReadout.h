#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// A big figure and its unit on one baseline, sizes in design units.
struct Readout {
  std::string numeral;
  double size = 58;
  std::string unit;
  double unitSize = 13;
};

// The figure in the bold numeral face, shrinking to stay on one line, in the colour around it;
// its unit after it in the third screen text colour.
kit::ui::View NumeralReadout(const Readout &readout, const ZCtx &ctx);

} // namespace zavel
