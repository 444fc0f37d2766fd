#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

#include <cstdint>

namespace zavel {

// How a row of cells looks, in design units and colours.
struct CellRowStyle {
  double spacing = 0;
  double height = 0;
  double cornerRadius = 0;
  kit::ui::Color lit;
  kit::ui::Color unlit;
};

// `count` rounded cells side by side sharing the width offered, the first `lit` of them (none
// when `lit` is 0 or less) in the lit colour.
kit::ui::View CellRow(int64_t count, int64_t lit, const CellRowStyle &style, const ZCtx &ctx);

} // namespace zavel
