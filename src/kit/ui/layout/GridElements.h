#pragma once

#include "kit/ui/Grids.h"
#include "kit/ui/layout/Element.h"

namespace kit::ui::layout {

ElementPtr makeLazyVGrid(std::vector<GridItem> columns, HAlign alignment,
                         std::optional<double> spacing, Elements cells);
ElementPtr makeGrid(Alignment alignment, std::optional<double> horizontalSpacing,
                    std::optional<double> verticalSpacing, Elements rows);
ElementPtr makeGridRow(Elements cells);

} // namespace kit::ui::layout
