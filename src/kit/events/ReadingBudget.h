#pragma once

#include <algorithm>
#include <cstdint>

namespace kit::events {

// What one reading of a calendars folder may spend beyond the files' own shares (FileAccount):
// the last bound, so that no folder, whatever it holds, makes a reading slow or large. Only a
// file that needs more than its own share draws on it, so what it leaves out (a file, a rule,
// an occurrence) belongs to a file that passed its share; a folder of ordinary items never
// comes near it.
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

  enum Resource { bytes, values, steps, occurrences, reminders, resourceCount };

  std::int64_t left(Resource resource) const { return left_[resource]; }

  // All it is asked for, or nothing when that is more than is left.
  bool take(Resource resource, std::int64_t count) {
    if (count < 0 || count > left_[resource])
      return false;
    left_[resource] -= count;
    return true;
  }

private:
  std::int64_t left_[resourceCount] = {kBytes, kValues, kSteps, kOccurrences, kReminders};
};

// One file's account within a reading: its own share of each resource, which no other file can
// use up, then the reading's budget. The share is far more than an ordinary file needs (an
// invitation with its zone, or a whole calendar exported into one file), so only a file whose
// own items cost more than that ever finds the budget spent.
class FileAccount {
public:
  // A file's own share: so much for the file, and so much more for each of its items.
  static constexpr std::int64_t kFileBytes = std::int64_t{1} << 20;
  static constexpr std::int64_t kFileValues = 20000;
  static constexpr std::int64_t kItemValues = 100;
  static constexpr std::int64_t kFileSteps = 50000;
  static constexpr std::int64_t kItemSteps = 1000;
  static constexpr std::int64_t kFileOccurrences = 1000;
  static constexpr std::int64_t kItemOccurrences = 10;
  static constexpr std::int64_t kFileReminders = 1000;

  using Resource = ReadingBudget::Resource;

  explicit FileAccount(ReadingBudget &budget) : budget_(&budget) {}

  // The share grows with the file's items, once they are known.
  void addItems(std::int64_t count) {
    own_[ReadingBudget::values] += kItemValues * count;
    own_[ReadingBudget::steps] += kItemSteps * count;
    own_[ReadingBudget::occurrences] += kItemOccurrences * count;
  }

  // What is left to the file: its own, then the reading's.
  std::int64_t available(Resource resource) const {
    return own_[resource] + budget_->left(resource);
  }

  // All it is asked for, or nothing when that is more than is available.
  bool take(Resource resource, std::int64_t count) {
    if (count < 0 || count > available(resource))
      return false;
    spend(resource, count);
    return true;
  }

  // Work done, up to what is available.
  void spend(Resource resource, std::int64_t count) {
    count = std::clamp<std::int64_t>(count, 0, available(resource));
    std::int64_t fromOwn = std::min(count, own_[resource]);
    own_[resource] -= fromOwn;
    budget_->take(resource, count - fromOwn);
  }

private:
  ReadingBudget *budget_;
  std::int64_t own_[ReadingBudget::resourceCount] = {kFileBytes, kFileValues, kFileSteps,
                                                     kFileOccurrences, kFileReminders};
};

} // namespace kit::events
