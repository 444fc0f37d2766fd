#pragma once

#include "kit/events/ReadingBudget.h"
#include "kit/events/RecurrenceRule.h"
#include "kit/events/Zone.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kit::events {

// The most changes of offset one zone definition may list (each onset and each date of its
// RDATEs counts one); a real zone lists a few. Its rules are not counted: they are read only
// where a time asks.
inline constexpr std::int64_t kMaxZoneChanges = 10000;
// A zone's definition is a few kilobytes; one far larger is not read.
inline constexpr std::size_t kMaxZoneText = 256 << 10;

// A zone a file defines (a VTIMEZONE, RFC 5545 §3.6.5), read from its lines as CalendarText
// keeps them. Its offset at a moment is that of the latest onset of its observances up to then
// (before the first, the offset that onset changes from). A rule is expanded only around the
// moments asked for, a year or so at a time, each piece once, and the work is charged to the
// account of the file whose time asks; what would take one question more than a rule may take
// (kMaxRuleSteps) leaves the zone unusable for the rest of the reading.
class DefinedZone {
public:
  explicit DefinedZone(std::string_view lines);
  ~DefinedZone();
  DefinedZone(const DefinedZone &) = delete;
  DefinedZone &operator=(const DefinedZone &) = delete;

  // Empty when the definition names none: it cannot be used.
  const std::string &tzid() const { return tzid_; }

  // Throws ReadingExhausted when the answer would take more than `account` (when given) may
  // spend, or more than one question may take.
  std::int64_t offsetAt(std::int64_t unixSeconds, FileAccount *account) const;

private:
  struct Observance;

  std::string tzid_;
  std::vector<std::unique_ptr<Observance>> observances_;
  // The offset before the first onset.
  std::int64_t firstOffset_ = 0;
  mutable bool unusable_ = false;
};

// The zones a file defines, by TZID, each asked on the file's account.
class FileZones {
public:
  void add(const DefinedZone *zone, FileAccount *account);

  // The file's own zone of that TZID; none when the file defines no such zone.
  const Zone *named(std::string_view tzid) const;

private:
  class Charged;
  std::vector<std::shared_ptr<const Charged>> zones_;
};

// The zones defined by the files of one reading, each definition read once: folders exported
// item by item repeat one definition in every file. The zones live as long as the cache.
class ZoneCache {
public:
  // The zone the lines of a VTIMEZONE define.
  const DefinedZone *zone(const std::string &lines);

private:
  std::unordered_map<std::string, std::unique_ptr<DefinedZone>> zones_;
};

} // namespace kit::events
