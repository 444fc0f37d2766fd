#pragma once

#include <algorithm>
#include <cstdint>

namespace kit::events {

// What one reading of a calendars folder may spend beyond the items' and the files' own shares
// (FileAccount): the last bound, so that no folder, whatever it holds, makes a reading slow or
// large. Only an item that needs more than its own share and its file's draws on it, so what it
// leaves out (a rule, an occurrence, a reminder) belongs to an item that passed them; a folder of
// ordinary items never comes near it. Bytes are the exception: files are admitted smallest first
// while their bytes fit (readCalendarFolder), so what they leave out is the largest files.
class ReadingBudget {
public:
  // Bytes of calendar files read, in all.
  static constexpr std::int64_t kBytes = std::int64_t{128} << 20;
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
  // Reminders kept: more than anyone keeps open, fewer than take a widget long to list. Open and
  // completed ones are kept apart, so that what is done never takes the place of what is not.
  static constexpr std::int64_t kReminders = 10000;
  static constexpr std::int64_t kCompletedReminders = 10000;

  enum Resource { bytes, values, steps, occurrences, reminders, completedReminders, resourceCount };

  std::int64_t left(Resource resource) const { return left_[resource]; }

  // All it is asked for, or nothing when that is more than is left.
  bool take(Resource resource, std::int64_t count) {
    if (count < 0 || count > left_[resource])
      return false;
    left_[resource] -= count;
    return true;
  }

private:
  std::int64_t left_[resourceCount] = {kBytes,       kValues,    kSteps,
                                       kOccurrences, kReminders, kCompletedReminders};
};

// One file's account within a reading: the share of the item being read, which no other item
// can use, then the file's own share, which no other file can use, then the reading's budget.
// An item's share is what an ordinary event or reminder needs (a series with its zone and a few
// dozen exceptions); the file's is small, for its items together may need a little more. So an
// item that costs more than that takes from the reading only, every item after it still has its
// own, and a folder of many costly files costs the reading's budget and their small shares, no
// more.
class FileAccount {
public:
  // A file's own share: so much for the file, and values so much more for each of its items.
  static constexpr std::int64_t kFileValues = 20000;
  static constexpr std::int64_t kItemValues = 100;
  static constexpr std::int64_t kFileSteps = 1000;
  static constexpr std::int64_t kFileOccurrences = 1000;
  static constexpr std::int64_t kFileReminders = 1000;
  static constexpr std::int64_t kFileCompletedReminders = 1000;
  // An item's own share, renewed as each item starts.
  static constexpr std::int64_t kItemSteps = 2000;
  static constexpr std::int64_t kItemOccurrences = 10;

  using Resource = ReadingBudget::Resource;

  explicit FileAccount(ReadingBudget &budget) : budget_(&budget) {}

  // The file's share of values grows with its items, once they are known.
  void addItems(std::int64_t count) { own_[ReadingBudget::values] += kItemValues * count; }

  // An item (or its part in this file) starts being read: what the one before left of its share
  // is gone, and it has a share of its own.
  void startItem() {
    item_[ReadingBudget::steps] = kItemSteps;
    item_[ReadingBudget::occurrences] = kItemOccurrences;
  }

  // What is left to the item being read: its own, the file's, then the reading's.
  std::int64_t available(Resource resource) const {
    return item_[resource] + own_[resource] + budget_->left(resource);
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
    for (std::int64_t *share : {&item_[resource], &own_[resource]}) {
      std::int64_t taken = std::min(count, *share);
      *share -= taken;
      count -= taken;
    }
    budget_->take(resource, count);
  }

private:
  ReadingBudget *budget_;
  // No bytes: files are admitted by their size against the reading's alone.
  std::int64_t own_[ReadingBudget::resourceCount] = {
      0, kFileValues, kFileSteps, kFileOccurrences, kFileReminders, kFileCompletedReminders};
  std::int64_t item_[ReadingBudget::resourceCount] = {};
};

} // namespace kit::events
