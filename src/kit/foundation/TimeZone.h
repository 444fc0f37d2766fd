#pragma once

#include "kit/foundation/Date.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unicode/uversion.h>
#include <vector>

U_NAMESPACE_BEGIN
class TimeZone;
U_NAMESPACE_END

namespace kit::foundation {

// A time zone by its identifier ("Europe/London", "UTC", "GMT+05:30"), on ICU's zone data.
// Immutable; copies share the zone and may be used from any thread.
class TimeZone {
public:
  // The zone of that identifier; none when ICU knows no such zone.
  static std::optional<TimeZone> named(std::string_view identifier);
  // The process's current zone: $TZ, else the zone /etc/localtime names, else UTC. An unknown
  // $TZ means UTC, as for the C library. Read anew on every call.
  static TimeZone current();
  static TimeZone utc();
  // Every geographic zone identifier ("Area/City"), sorted, aliases included.
  static const std::vector<std::string> &knownIdentifiers();

  // The identifier as it was asked for.
  const std::string &identifier() const { return identifier_; }
  // Offset from GMT at that moment, daylight saving included.
  int secondsFromGMT(Date date) const;

  const icu::TimeZone &icuZone() const { return *zone_; }

  bool operator==(const TimeZone &other) const { return identifier_ == other.identifier_; }

private:
  TimeZone(std::shared_ptr<const icu::TimeZone> zone, std::string identifier);

  std::shared_ptr<const icu::TimeZone> zone_;
  std::string identifier_;
};

} // namespace kit::foundation
