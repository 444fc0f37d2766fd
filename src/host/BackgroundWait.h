#pragma once

#include <chrono>
#include <optional>

namespace zavel::host {

// The time one run of the host may spend waiting for background work, however often it waits:
// the budget starts with the first wait.
class BackgroundWait {
public:
  explicit BackgroundWait(std::chrono::milliseconds budget = std::chrono::seconds(2))
      : budget_(budget) {}

  // Waits until no background task is pending or the budget is spent; true when none is left.
  bool wait();

private:
  using TimePoint = std::chrono::steady_clock::time_point;
  std::chrono::milliseconds budget_;
  std::optional<TimePoint> deadline_;
};

} // namespace zavel::host
