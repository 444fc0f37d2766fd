#pragma once

#include "kit/events/Ical.h"
#include "kit/events/ReadingBudget.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kit::events {

// The most changes of offset one zone definition may have over the years it is read in; a real
// zone has a few hundred.
inline constexpr std::size_t kMaxZoneChanges = 10000;
// A zone's definition is a few kilobytes; one far larger is not parsed.
inline constexpr std::size_t kMaxZoneText = 256 << 10;

// The zones a file defines (its VTIMEZONEs), by TZID.
class FileZones {
public:
  void add(std::string tzid, const icaltimezone *zone);
  // The file's own zone of that TZID; none when the file defines no such zone.
  const icaltimezone *named(std::string_view tzid) const;

private:
  std::vector<std::pair<std::string, const icaltimezone *>> zones_;
};

// The zones defined by the files of one reading, each definition made once: folders exported
// item by item repeat one definition in every file. A zone's changes are worked out here, within
// the reading's budget, and handed to libical as a plain list of dates, so libical never expands
// a rule of a zone itself (it would step through an hourly one to the year 2582, without end).
// Call with libical locked; the zones live as long as the cache.
class ZoneCache {
public:
  struct Zone {
    std::string tzid; // empty when the definition names none: it cannot be used
    const icaltimezone *zone = nullptr;
  };

  // The zone the text of a VTIMEZONE defines. None when the text is longer than kMaxZoneText,
  // or its rules give more than kMaxZoneChanges changes up to the years zones are read in or
  // take more than the budget's steps: the file that defines it cannot be read.
  std::optional<Zone> zone(const std::string &text, ReadingBudget &budget);

private:
  struct TimezoneDeleter {
    void operator()(icaltimezone *zone) const { icaltimezone_free(zone, 1); }
  };
  struct Entry {
    bool usable = false;
    std::string tzid;
    std::unique_ptr<icaltimezone, TimezoneDeleter> zone;
  };

  // Makes the zone a new definition names; a definition whose rules give too many changes
  // stays unusable.
  static void define(Entry &entry, const std::string &text, ReadingBudget &budget);

  std::unordered_map<std::string, Entry> entries_;
};

} // namespace kit::events
