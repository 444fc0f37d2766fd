#pragma once

#include "kit/foundation/Date.h"

#include <functional>

namespace kit::foundation {

// Where "now" comes from: the system clock by default, a fixed or scripted time in tests.
class Clock {
public:
  // The system clock.
  Clock();
  // A clock that asks `source` for every reading.
  explicit Clock(std::function<Date()> source);
  // A clock that always reads `date`.
  static Clock fixed(Date date);

  Date now() const { return source_(); }

private:
  std::function<Date()> source_;
};

// The system's current time.
Date systemNow();

} // namespace kit::foundation
