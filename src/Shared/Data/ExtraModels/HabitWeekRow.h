#pragma once

#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/UUID.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zavel {

// One habit's check-ins in the current week.
struct HabitWeekRow {
  kit::foundation::UUID id; // the habit's
  std::string name;
  int64_t done = 0;  // days of the week with a check-in
  int64_t total = 0; // days of the week counted

  // "Run" 7 of 7, "Read" 5 of 7, "No sugar" 2 of 7, on the ids of the sample habits.
  static const std::vector<HabitWeekRow> &samples();

  bool operator==(const HabitWeekRow &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    using R = HabitWeekRow;
    return std::tuple{field("id", &R::id), field("name", &R::name), field("done", &R::done),
                      field("total", &R::total)};
  }
};

} // namespace zavel
