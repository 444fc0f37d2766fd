#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <utility>

namespace zavel::host {

// The time one run of the host may spend waiting for background work, however often it waits:
// the budget starts with the first wait.
class BackgroundWait {
public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Clock = std::function<TimePoint()>;

  explicit BackgroundWait(std::chrono::milliseconds budget = std::chrono::seconds(2),
                          Clock now = std::chrono::steady_clock::now)
      : budget_(budget), now_(std::move(now)) {}

  // Waits until no background task is pending or the budget is spent; true when none is left.
  bool wait();

private:
  std::chrono::milliseconds budget_;
  Clock now_;
  std::optional<TimePoint> deadline_;
};

} // namespace zavel::host
