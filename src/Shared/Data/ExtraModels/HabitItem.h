#pragma once

#include "kit/foundation/JsonCoding.h"
#include "kit/foundation/UUID.h"

#include <set>
#include <string>
#include <vector>

namespace zavel {

// A habit with the days it was done.
struct HabitItem {
  kit::foundation::UUID id;
  std::string name;
  std::set<std::string> checkins; // day keys, as the daily stores write them

  // "Run", "Read" and "No sugar" with no check-ins: the habit list until one is stored. Their ids
  // never change, so a check-in tapped on a sample row finds its habit in any later process.
  static const std::vector<HabitItem> &samples();

  bool operator==(const HabitItem &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("id", &HabitItem::id), field("name", &HabitItem::name),
                      field("checkins", &HabitItem::checkins)};
  }
};

} // namespace zavel
