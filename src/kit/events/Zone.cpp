#include "kit/events/Zone.h"

#include "kit/foundation/ZoneDatabase.h"

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

// Each name of a database is looked up once and lives as long as the process. Only names the
// database holds are asked, so they are few.
class SystemZones {
public:
  const Zone *named(std::string_view id) {
    std::string key = foundation::ZoneDatabase::folder().string() + '\0' + std::string(id);
    std::lock_guard lock(mutex_);
    auto known = zones_.find(key);
    if (known != zones_.end())
      return known->second.get();
    auto zone = foundation::TimeZone::named(id);
    auto made = zone ? std::make_unique<SystemZone>(std::move(*zone)) : nullptr;
    return zones_.emplace(std::move(key), std::move(made)).first->second.get();
  }

private:
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

std::int64_t SystemZone::offsetAt(std::int64_t unixSeconds) const {
  return zone_.rules().offsetAt(std::min(unixSeconds, kLatestZoneReading));
}

const Zone *systemZone(std::string_view tzid) {
  const auto &names = foundation::ZoneDatabase::names();
  // Only the parts no longer than the longest name are asked: the first begins after the slash
  // before them.
  std::size_t first = 0;
  if (tzid.size() > names.longest) {
    std::size_t slash = tzid.find('/', tzid.size() - names.longest - 1);
    if (slash == std::string_view::npos)
      return nullptr;
    first = slash + 1;
  }
  for (std::string_view tail = tzid.substr(first);;) {
    if (names.all.contains(tail))
      if (const Zone *zone = systemZones().named(tail))
        return zone;
    std::size_t slash = tail.find('/');
    if (slash == std::string_view::npos)
      return nullptr;
    tail.remove_prefix(slash + 1);
  }
}

} // namespace kit::events
