#pragma once

#include "kit/ui/Alignment.h"
#include "kit/ui/View.h"

#include <vector>

namespace zavel {

// A row with its items spread across the width: a spacer between neighbours, none at the ends,
// so the first item sits at the leading edge and the last at the trailing one. A single item is
// only as wide as itself.
kit::ui::View SpreadRow(kit::ui::VAlign alignment, const std::vector<kit::ui::View> &items);

} // namespace zavel
