#pragma once

#include <algorithm>
#include <cstdint>

namespace kit::events {

// The bound on one reading of a calendars folder. Every file, item, zone and rule the reading
// takes in draws on one budget, so that no folder, whatever it holds, makes a reading slow or
// large: what no longer fits is left out of that reading (a file, a rule, an occurrence), and
// what came before it still shows. A folder of ordinary size never comes near it.
class ReadingBudget {
public:
  // Bytes of calendar files read.
  static constexpr std::int64_t kBytes = std::int64_t{64} << 20;
  // Property values kept from the files; each date of a list counts one.
  static constexpr std::int64_t kValues = 500000;
  // Work on recurrences: each step of a rule's expansion (zone rules included) counts one;
  // reading an event's rule, and each date of its RDATEs and EXDATEs, costs as many steps as
  // that work takes time.
  static constexpr std::int64_t kSteps = 2000000;
  static constexpr std::int64_t kRuleSteps = 100;
  static constexpr std::int64_t kDateSteps = 40;
  // Occurrences of events kept.
  static constexpr std::int64_t kOccurrences = 100000;
  // Reminders kept: more than anyone keeps open, fewer than take a widget long to list.
  static constexpr std::int64_t kReminders = 10000;

  std::int64_t bytesLeft() const { return bytes_; }
  std::int64_t stepsLeft() const { return steps_; }
  std::int64_t occurrencesLeft() const { return occurrences_; }

  // Each takes all it is asked for, or nothing when that is more than is left.
  bool takeBytes(std::int64_t count) { return take(bytes_, count); }
  bool takeValues(std::int64_t count) { return take(values_, count); }
  bool takeSteps(std::int64_t count) { return take(steps_, count); }
  bool takeOccurrence() { return take(occurrences_, 1); }
  bool takeReminder() { return take(reminders_, 1); }

  // Work done, up to what is left.
  void spendSteps(std::int64_t count) {
    steps_ -= std::min(std::max<std::int64_t>(count, 0), steps_);
  }

private:
  static bool take(std::int64_t &left, std::int64_t count) {
    if (count < 0 || count > left)
      return false;
    left -= count;
    return true;
  }

  std::int64_t bytes_ = kBytes;
  std::int64_t values_ = kValues;
  std::int64_t steps_ = kSteps;
  std::int64_t occurrences_ = kOccurrences;
  std::int64_t reminders_ = kReminders;
};

} // namespace kit::events
