#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <optional>
#include <vector>

namespace zavel {

// The stopwatch: running from its start, with the laps taken so far.
struct StopwatchState {
  std::optional<kit::foundation::Date> startDate; // none while stopped
  std::vector<double> laps;                       // seconds since the start, oldest first

  bool isRunning() const { return startDate.has_value(); }

  static const StopwatchState &sample();

  bool operator==(const StopwatchState &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("startDate", &StopwatchState::startDate),
                      field("laps", &StopwatchState::laps)};
  }
};

} // namespace zavel
