#pragma once

#include "kit/events/ReadingBudget.h"
#include "kit/events/RecurrenceRule.h"
#include "kit/events/Zone.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kit::events {

// The most changes of offset one zone definition may list (each onset and each date of its
// RDATEs counts one); a real zone lists a few. Its rules are expanded only where a time asks,
// but each is read as the zone is made and looked at by every question: a real zone has two.
inline constexpr std::int64_t kMaxZoneChanges = 10000;
inline constexpr std::int64_t kMaxZoneRules = 1000;

// What the zones of one reading may keep in all of the changes their rules gave, in bytes: a
// real zone asked by a whole calendar keeps a few kilobytes.
inline constexpr std::int64_t kMaxKeptZoneBytes = std::int64_t{16} << 20;

class DefinedZone;

// What the zones of one reading keep of the changes their rules gave, counted together. Past the
// most, every zone forgets it before the next question and finds it again where asked, so what
// they keep is bounded, however many times at however many places they are asked.
class ZoneMemory {
public:
  explicit ZoneMemory(std::int64_t mostBytes) : most_(mostBytes) {}

  void add(const DefinedZone *zone) { zones_.push_back(zone); }
  void keep(std::int64_t bytes) { kept_ += bytes; }
  // Before a question: makes room when the zones keep more than the most.
  void makeRoom();

private:
  std::int64_t most_;
  std::int64_t kept_ = 0;
  std::vector<const DefinedZone *> zones_;
};

// A zone a file defines (a VTIMEZONE, RFC 5545 §3.6.5), read from its lines as CalendarText
// keeps them. Its offset at a moment is that of the latest onset of its observances up to then
// (before the first, the offset that onset changes from). A rule is expanded only around the
// moments asked for, walking back from each in growing spans until it finds an onset, each span
// once; every question is charged to the account of the file whose time asks, and one already
// answered near by is answered from the onsets found, until `memory` (when given) makes room. What
// would take one question more than a rule may take (kMaxRuleSteps) leaves the zone unusable for
// the rest of the reading; a question the asking file cannot pay for leaves it as it was, for
// another file to ask.
class DefinedZone {
public:
  explicit DefinedZone(std::string_view lines, ZoneMemory *memory = nullptr);
  ~DefinedZone();
  DefinedZone(const DefinedZone &) = delete;
  DefinedZone &operator=(const DefinedZone &) = delete;

  // Its TZID, a text value with its escapes undone; empty when it names none.
  const std::string &tzid() const { return tzid_; }
  // Whether it gives any offset at all: one without an observance stands for nothing.
  bool definesOffsets() const { return !listed_.empty(); }

  // Throws ReadingExhausted when the answer would take more than `account` (when given) may
  // spend, or more than one question may take.
  std::int64_t offsetAt(std::int64_t unixSeconds, FileAccount *account) const;

private:
  friend class ZoneMemory;
  class Rule;
  struct ObservanceLines;
  struct Onset;
  struct Quiet;

  void addObservance(ObservanceLines &observance);
  // Drops what questions found; asked again, it finds it again.
  void forget() const;

  std::string tzid_;
  // The onsets the observances list (DTSTART and each RDATE date), in time order.
  std::vector<Onset> listed_;
  std::vector<std::unique_ptr<Rule>> rules_;
  std::size_t observances_ = 0;
  // The offset before the first onset, and that onset's moment.
  std::int64_t firstOffset_ = 0;
  std::int64_t firstMoment_ = 0;
  // Spans of time known to hold no onset after the one they begin with, by that onset's moment.
  mutable std::map<std::int64_t, Quiet> answered_;
  mutable bool unusable_ = false;
  ZoneMemory *memory_;
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
// item by item repeat one definition in every file. The zones live as long as the cache, and
// keep no more than `keptBytes` of the changes their rules gave (ZoneMemory).
class ZoneCache {
public:
  ZoneCache() : ZoneCache(kMaxKeptZoneBytes) {}
  explicit ZoneCache(std::int64_t keptBytes)
      : memory_(std::make_unique<ZoneMemory>(keptBytes)) {}

  // The zone the lines of a VTIMEZONE define.
  const DefinedZone *zone(const std::string &lines);

private:
  std::unique_ptr<ZoneMemory> memory_;
  std::unordered_map<std::string, std::unique_ptr<DefinedZone>> zones_;
};

} // namespace kit::events
