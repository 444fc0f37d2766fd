#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// A dot in the accent colour, `diameter` design units across.
kit::ui::View AccentDot(double diameter, const ZCtx &ctx);

// How a caption after a dot is printed: a micro label's size, tracking and colour.
struct CaptionStyle {
  double size = 11;
  double em = 0.16;
  kit::ui::Color color;
};

// A 6-unit accent dot and, 10 units after it, a caption centred on it: the faces' date and zone
// lines.
kit::ui::View DotCaption(const std::string &text, const CaptionStyle &style, const ZCtx &ctx);

} // namespace zavel
