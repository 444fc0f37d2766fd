#include "kit/foundation/Clock.h"

#include <chrono>

namespace kit::foundation {

Date systemNow() {
  auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  return Date::fromUnixTime(std::chrono::duration<double>(sinceEpoch).count());
}

Clock::Clock() : source_(systemNow) {}

Clock::Clock(std::function<Date()> source) : source_(std::move(source)) {}

Clock Clock::fixed(Date date) {
  return Clock([date] { return date; });
}

} // namespace kit::foundation
