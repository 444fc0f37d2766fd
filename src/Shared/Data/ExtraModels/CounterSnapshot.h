#pragma once

#include "kit/foundation/JsonCoding.h"

#include <cstdint>

namespace zavel {

// A daily counter (glasses of water, steps) with the day's goal.
struct CounterSnapshot {
  int64_t value = 0;
  int64_t goal = 0;

  bool operator==(const CounterSnapshot &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("value", &CounterSnapshot::value),
                      field("goal", &CounterSnapshot::goal)};
  }
};

} // namespace zavel
