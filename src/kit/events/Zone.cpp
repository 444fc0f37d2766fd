#include "kit/events/Zone.h"

#include "kit/foundation/Date.h"
#include "kit/foundation/TimeZone.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace kit::events {

namespace {

class UtcZone final : public Zone {
public:
  std::int64_t offsetAt(std::int64_t) const override { return 0; }
};

// A zone of the system's zone data, read as the clocks read it.
class SystemZone final : public Zone {
public:
  explicit SystemZone(foundation::TimeZone zone) : zone_(std::move(zone)) {}

  std::int64_t offsetAt(std::int64_t unixSeconds) const override {
    std::int64_t asked = std::min(unixSeconds, kLatestZoneReading);
    return zone_.secondsFromGMT(foundation::Date::fromUnixTime(static_cast<double>(asked)));
  }

private:
  foundation::TimeZone zone_;
};

// Making a zone from its name costs more than reading a whole event: each name is looked up
// once, and lives as long as the process. Unknown names are remembered only up to a bound, so a
// folder of made-up ones cannot fill memory.
class SystemZones {
public:
  const Zone *named(std::string_view id) {
    std::lock_guard lock(mutex_);
    auto known = zones_.find(id);
    if (known != zones_.end())
      return known->second.get();
    auto zone = id.empty() ? std::nullopt : foundation::TimeZone::named(id);
    if (!zone && zones_.size() >= kMaxRemembered)
      return nullptr;
    auto made = zone ? std::make_unique<SystemZone>(std::move(*zone)) : nullptr;
    return zones_.emplace(std::string(id), std::move(made)).first->second.get();
  }

private:
  static constexpr std::size_t kMaxRemembered = 4096;
  std::mutex mutex_;
  std::map<std::string, std::unique_ptr<SystemZone>, std::less<>> zones_;
};

SystemZones &systemZones() {
  static SystemZones zones;
  return zones;
}

} // namespace

const Zone *utcZone() {
  static const UtcZone utc;
  return &utc;
}

const Zone *systemZone(std::string_view tzid) {
  for (std::string_view tail = tzid;;) {
    if (const Zone *zone = systemZones().named(tail))
      return zone;
    std::size_t slash = tail.find('/');
    if (slash == std::string_view::npos)
      return nullptr;
    tail.remove_prefix(slash + 1);
  }
}

const Zone *namedZone(const std::string &id) {
  const Zone *zone = systemZones().named(id);
  return zone ? zone : utcZone();
}

} // namespace kit::events
