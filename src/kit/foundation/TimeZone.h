#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/ZoneRules.h"

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

// A time zone by its identifier ("Europe/London", "UTC", "GMT+05:30"), on the machine's zone
// database (ZoneDatabase), read as the C library reads it. Immutable; copies share the zone and
// may be used from any thread.
class TimeZone {
public:
  // The zone the database holds under that name, or a fixed offset from GMT written as
  // "GMT+05:30"; none for anything else.
  static std::optional<TimeZone> named(std::string_view identifier);
  // The machine's zone: $TZ as the C library reads it (a name of the database, ":name", a path to
  // a zone file, or a POSIX rule such as "CET-1CEST,M3.5.0,M10.5.0/3"; empty or unreadable means
  // UTC), else /etc/localtime, else UTC. Read anew on every call.
  static TimeZone current();
  static TimeZone utc();
  // Every geographic zone identifier ("Area/City") of the database, sorted, aliases included.
  static std::vector<std::string> knownIdentifiers();

  // The identifier as it was asked for; for the machine's zone, its name in the database where
  // there is one, else $TZ as written up to the days of its changes ("CET-1CEST").
  const std::string &identifier() const { return identifier_; }
  // Offset from GMT at that moment, daylight saving included.
  int secondsFromGMT(Date date) const;
  // The offsets of the zone; what is built from them for ICU gives the same.
  const ZoneRules &rules() const;

  // Built on first use, shared by every copy.
  const icu::TimeZone &icuZone() const;

  bool operator==(const TimeZone &other) const { return identifier_ == other.identifier_; }

  struct Shared;

private:
  TimeZone(std::shared_ptr<const Shared> zone, std::string identifier);

  std::shared_ptr<const Shared> zone_;
  std::string identifier_;
};

} // namespace kit::foundation
