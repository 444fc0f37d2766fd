#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/Color.h"
#include "kit/ui/View.h"
#include "kit/ui/text/Font.h"

#include <string>

namespace zavel {

// A caption printed on the device face: the text upper-cased, on one line (cut at its end when
// too long, never wrapped), in the label face of `size` design units, tracked by `em` of its
// effective size. It is a label, to be read on one line.
kit::ui::View MicroLabel(const std::string &text, double size, double em, kit::ui::Color color,
                         kit::ui::FontWeight weight, const ZCtx &ctx);
// The same in the regular weight.
kit::ui::View MicroLabel(const std::string &text, double size, double em, kit::ui::Color color,
                         const ZCtx &ctx);

} // namespace zavel
