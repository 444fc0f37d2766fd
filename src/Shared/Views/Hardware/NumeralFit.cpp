#include "Shared/Views/Hardware/NumeralFit.h"

namespace zavel {

kit::ui::View numeralFit(const kit::ui::View &numeral) {
  return numeral.lineLimit(1).minimumScaleFactor(0.55).textRole(kit::ui::TextRole::data);
}

kit::ui::View figureFit(const kit::ui::View &figure) {
  return figure.lineLimit(1).minimumScaleFactor(0.7).textRole(kit::ui::TextRole::data);
}

} // namespace zavel
