#include "Shared/Views/WeatherViews/SpreadRow.h"

#include "kit/ui/Stacks.h"

namespace zavel {

using namespace kit::ui;

View SpreadRow(VAlign alignment, const std::vector<View> &items) {
  std::vector<View> row;
  for (const View &item : items) {
    if (!row.empty())
      row.push_back(Spacer());
    row.push_back(item);
  }
  return HStack(alignment, 0, std::move(row));
}

} // namespace zavel
