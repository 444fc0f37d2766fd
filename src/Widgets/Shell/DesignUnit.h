#pragma once

#include "Shared/Views/ZavelSize.h"
#include "kit/ui/Geometry.h"

#include <algorithm>
#include <cmath>

namespace zavel {

// Points per design unit for a size class drawn in `space` points: the canvas fits the shorter
// side. No space gives 0, so the content draws at zero size; a space with no finite fit gives 0
// too, so no length a view derives is infinite.
inline double designUnit(ZavelSize size, kit::ui::Size space) {
  kit::ui::Size canvas = designCanvas(size);
  double u = std::min(space.width / canvas.width, space.height / canvas.height);
  return std::isfinite(u) && u > 0 ? u : 0;
}

} // namespace zavel
