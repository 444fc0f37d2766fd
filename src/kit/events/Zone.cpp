#include "kit/events/Zone.h"

#include "kit/events/IcalTime.h"

#include <algorithm>
#include <map>
#include <memory>

namespace kit::events {

namespace {

class UtcZone final : public Zone {
public:
  std::int64_t offsetAt(std::int64_t) const override { return 0; }
};

// A zone of the system's zone database, as libical reads it.
class SystemZone final : public Zone {
public:
  explicit SystemZone(icaltimezone *zone) : zone_(zone) {}

  std::int64_t offsetAt(std::int64_t unixSeconds) const override {
    // Asked for later years, libical would work out the zone's changes again at every call.
    std::int64_t asked = std::min(unixSeconds, kLatestZoneReading);
    auto instant = static_cast<time_t>(asked);
    return wallSecondsOf(icaltime_from_timet_with_zone(instant, 0, zone_)) - asked;
  }

private:
  icaltimezone *zone_;
};

// libical's zones live as long as the process; so do these, one for each.
const Zone *wrapped(icaltimezone *zone) {
  static std::map<icaltimezone *, std::unique_ptr<SystemZone>> zones;
  auto &entry = zones[zone];
  if (!entry)
    entry = std::make_unique<SystemZone>(zone);
  return entry.get();
}

icaltimezone *builtinZone(std::string_view id) {
  if (id.empty())
    return nullptr;
  return icaltimezone_get_builtin_timezone(std::string(id).c_str());
}

} // namespace

const Zone *utcZone() {
  static const UtcZone utc;
  return &utc;
}

const Zone *systemZone(std::string_view tzid) {
  for (std::string_view tail = tzid;;) {
    if (auto *zone = builtinZone(tail))
      return wrapped(zone);
    std::size_t slash = tail.find('/');
    if (slash == std::string_view::npos)
      return nullptr;
    tail.remove_prefix(slash + 1);
  }
}

const Zone *namedZone(const std::string &id) {
  auto *zone = builtinZone(id);
  return zone ? wrapped(zone) : utcZone();
}

} // namespace kit::events
