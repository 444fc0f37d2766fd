#include "Shared/Data/ExtraModels/HabitWeekRow.h"

#include "Shared/Data/ExtraModels/HabitItem.h"

#include <array>

namespace zavel {

const std::vector<HabitWeekRow> &HabitWeekRow::samples() {
  static const std::vector<HabitWeekRow> samples = [] {
    constexpr std::array<int64_t, 3> done{7, 5, 2};
    const auto &habits = HabitItem::samples();
    std::vector<HabitWeekRow> rows;
    for (size_t index = 0; index < done.size(); ++index)
      rows.push_back({habits[index].id, habits[index].name, done[index], 7});
    return rows;
  }();
  return samples;
}

} // namespace zavel
