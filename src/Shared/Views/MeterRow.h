#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// How one meter of a list is drawn: the caption's column width in design units and the colours
// of its three parts.
struct MeterStyle {
  double labelWidth = 80;
  kit::ui::Color label;
  kit::ui::Color fill;
  kit::ui::Color figure;
};

// One meter of a list: a caption in a column of its own, a bar across the rest filled to
// `fraction`, and the figure right-aligned in a narrow column after it.
kit::ui::View MeterRow(const std::string &label, double fraction, const std::string &figure,
                       const MeterStyle &style, const ZCtx &ctx);

} // namespace zavel
