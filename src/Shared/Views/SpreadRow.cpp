#include "Shared/Views/SpreadRow.h"

#include "kit/ui/Stacks.h"

namespace zavel {

using namespace kit::ui;

View SpreadRow(VAlign alignment, const std::vector<View> &items, std::optional<double> leastGap) {
  std::vector<View> row;
  for (const View &item : items) {
    if (!row.empty())
      row.push_back(leastGap ? Spacer(*leastGap) : Spacer());
    // Offered an even share of the row before the spacers are sized, a cell would wrap a
    // numeral that needs a little more; fixed, it takes its own width first.
    row.push_back(item.fixedSize(true, false));
  }
  return HStack(alignment, 0, std::move(row));
}

} // namespace zavel
