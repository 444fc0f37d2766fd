#pragma once

#include "kit/foundation/TimeZone.h"

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

// A zone of the machine's zone database, or the machine's own zone, read as the clocks read it.
class SystemZone final : public Zone {
public:
  explicit SystemZone(foundation::TimeZone zone) : zone_(std::move(zone)) {}

  std::int64_t offsetAt(std::int64_t unixSeconds) const override;

private:
  foundation::TimeZone zone_;
};

// The zone of the machine's database that `tzid` names, read as the clocks read it, so that a
// calendar and a clock never disagree: a name of the database, or one that ends in one after a
// publisher's prefix, as some calendar programs write them
// ("/example.org/20070129_1/America/New_York"): the longest trailing part that the database holds
// counts. Parts longer than any name it holds are passed over unread, so a TZID of any length
// costs a few lookups. None when no part names a zone.
const Zone *systemZone(std::string_view tzid);

} // namespace kit::events
