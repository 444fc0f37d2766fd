#include "Shared/Views/Hardware/NumeralFit.h"

namespace zavel {

kit::ui::View numeralFit(const kit::ui::View &numeral) {
  return numeral.lineLimit(1).minimumScaleFactor(0.55);
}

} // namespace zavel
