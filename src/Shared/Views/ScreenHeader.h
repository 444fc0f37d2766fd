#pragma once

#include "Shared/Views/ZCtx.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// The top line of a screen: a caption at the leading edge (size 10, in the second screen text
// colour) and a figure at the trailing edge, centred on one another. The figure is data, kept
// whole.
kit::ui::View ScreenHeader(const std::string &caption, const kit::ui::View &trailing,
                           const ZCtx &ctx);
// The same with a caption of another size or colour.
kit::ui::View ScreenHeader(const kit::ui::View &caption, const kit::ui::View &trailing);

} // namespace zavel
