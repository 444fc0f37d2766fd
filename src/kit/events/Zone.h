#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kit::events {

// Thrown while reading an item when working out its times would take more than its file may
// spend: the item cannot be read in this reading, and the reading goes on with the next.
struct ReadingExhausted {};

// Zones are read as if every moment after this one (2200-01-01 00:00 UTC) kept the offset it has
// then.
inline constexpr std::int64_t kLatestZoneReading = 7258118400;

// The clock of a time zone: how far it is ahead of UTC at each moment.
class Zone {
public:
  virtual ~Zone() = default;

  // In seconds. Throws ReadingExhausted when working it out would take more than may be spent.
  virtual std::int64_t offsetAt(std::int64_t unixSeconds) const = 0;
};

const Zone *utcZone();

// The system's zone that `tzid` names, read from the same zone data as the clocks, so that a
// calendar and a clock never disagree: an IANA id, or one that ends in one after a publisher's
// prefix, as some calendar programs write them ("/example.org/20070129_1/America/New_York"):
// the longest trailing part that names a zone counts. None when no part names one.
const Zone *systemZone(std::string_view tzid);

// The system's zone named by `id`, or UTC when there is no such zone.
const Zone *namedZone(const std::string &id);

} // namespace kit::events
