#include "kit/ui/text/TimerText.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kit::ui {

namespace {

// Over three thousand years: beyond it a timer reads the same.
constexpr double longestSeconds = 1e11;

std::int64_t wholeSeconds(double seconds, TimerCounting counting) {
  if (!std::isfinite(seconds) || seconds <= 0)
    return 0;
  seconds = std::min(seconds, longestSeconds);
  return static_cast<std::int64_t>(counting == TimerCounting::up ? std::floor(seconds)
                                                                 : std::ceil(seconds));
}

std::string formatted(std::int64_t seconds, bool showsHours) {
  std::int64_t minutes = seconds / 60;
  if (showsHours && minutes >= 60)
    return fmt::format("{}:{:02}:{:02}", minutes / 60, minutes % 60, seconds % 60);
  return fmt::format("{}:{:02}", minutes, seconds % 60);
}

} // namespace

std::string timerText(foundation::Date start, foundation::Date end, foundation::Date now,
                      TimerCounting counting, bool showsHours) {
  double length = std::max(0.0, end.timeIntervalSince(start));
  double shown =
      counting == TimerCounting::up ? now.timeIntervalSince(start) : end.timeIntervalSince(now);
  if (!std::isfinite(length))
    length = longestSeconds;
  return formatted(wholeSeconds(std::min(shown, length), counting), showsHours);
}

std::string timerText(foundation::Date date, foundation::Date now) {
  double since = now.timeIntervalSince(date);
  if (since >= 0)
    return formatted(wholeSeconds(since, TimerCounting::up), true);
  return formatted(wholeSeconds(-since, TimerCounting::down), true);
}

} // namespace kit::ui
