#pragma once

#include "kit/ui/Alignment.h"
#include "kit/ui/View.h"

#include <optional>
#include <vector>

namespace zavel {

// A row with its items spread across the width: a spacer between neighbours, none at the ends,
// so the first item sits at the leading edge and the last at the trailing one. Each item keeps
// its ideal width on one line (a numeral such as "-12°" never breaks) and the spacers share what
// is left. A single item is only as wide as itself. Neighbours keep at least `leastGap` points
// apart (by default a stack's usual gap); a chart whose columns may close up gives 0.
kit::ui::View SpreadRow(kit::ui::VAlign alignment, const std::vector<kit::ui::View> &items,
                        std::optional<double> leastGap = std::nullopt);

// The same with one item made per element of a range, as `ForEach` makes them.
template <class Range, class Make>
kit::ui::View SpreadRow(kit::ui::VAlign alignment, const Range &elements, Make make,
                        std::optional<double> leastGap = std::nullopt) {
  std::vector<kit::ui::View> items;
  for (const auto &element : elements)
    items.push_back(make(element));
  return SpreadRow(alignment, items, leastGap);
}

} // namespace zavel
