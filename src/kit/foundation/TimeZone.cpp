#include "kit/foundation/TimeZone.h"

#include "kit/foundation/FileContents.h"
#include "kit/foundation/IcuText.h"
#include "kit/foundation/IcuZone.h"
#include "kit/foundation/Saturating.h"
#include "kit/foundation/ZoneDatabase.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <unicode/simpletz.h>
#include <unicode/timezone.h>

namespace kit::foundation {

struct TimeZone::Shared {
  explicit Shared(ZoneRules zoneRules) : rules(std::move(zoneRules)) {}

  ZoneRules rules;
  mutable std::once_flag built;
  mutable std::unique_ptr<icu::TimeZone> icu;
};

namespace {

// The areas of the geographic zone names; the others are aliases kept for old systems.
constexpr std::array<std::string_view, 10> kAreas = {
    "Africa/",   "America/",   "Antarctica/", "Arctic/", "Asia/",
    "Atlantic/", "Australia/", "Europe/",     "Indian/", "Pacific/"};

bool isGeographic(std::string_view identifier) {
  for (auto area : kAreas)
    if (identifier.starts_with(area))
      return true;
  return false;
}

// The zone name inside a path such as "/usr/share/zoneinfo/Europe/Berlin".
std::string zoneNameOfPath(std::string_view path) {
  constexpr std::string_view kMarker = "zoneinfo/";
  auto at = path.rfind(kMarker);
  return std::string(at == std::string_view::npos ? path : path.substr(at + kMarker.size()));
}

std::shared_ptr<const TimeZone::Shared> sharedOf(ZoneRules rules) {
  return std::make_shared<const TimeZone::Shared>(std::move(rules));
}

// An offset from GMT written as ICU writes one ("GMT+05:30", "GMT-3"), which no zone file
// names; never a name of ICU's own zone data, which may be older than the machine's.
std::optional<ZoneRules> fixedOffsetNamed(std::string_view identifier) {
  if (!identifier.starts_with("GMT"))
    return std::nullopt;
  icu::UnicodeString canonical;
  UBool isSystemId = false;
  UErrorCode status = U_ZERO_ERROR;
  icu::TimeZone::getCanonicalID(unicodeText(identifier), canonical, isSystemId, status);
  if (U_FAILURE(status) || isSystemId)
    return std::nullopt;
  std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(canonical));
  return ZoneRules(PosixZoneRule::fixed(zone->getRawOffset() / 1000));
}

std::optional<ZoneRules> rulesNamed(std::string_view identifier) {
  if (ZoneDatabase::isZoneName(identifier))
    if (auto rules = ZoneDatabase::rulesOfFile(ZoneDatabase::folder() / identifier))
      return rules;
  return fixedOffsetNamed(identifier);
}

// Zones are read once for each name and kept for the process: files of the database are few.
// Other names are remembered up to a bound, so made-up ones cannot fill memory; past it they
// are looked up afresh each time, and still found when they name a zone.
class Zones {
public:
  template <class Make>
  std::shared_ptr<const TimeZone::Shared> find(const std::string &key, Make make) {
    {
      std::lock_guard lock(mutex_);
      if (auto known = zones_.find(key); known != zones_.end())
        return known->second;
    }
    std::shared_ptr<const TimeZone::Shared> made;
    if (auto rules = make())
      made = sharedOf(std::move(*rules));
    std::lock_guard lock(mutex_);
    if (made || zones_.size() < kMaxRemembered)
      zones_.emplace(key, made);
    return made;
  }

private:
  static constexpr std::size_t kMaxRemembered = 4096;
  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<const TimeZone::Shared>, std::less<>> zones_;
};

Zones &zones() {
  static Zones zones;
  return zones;
}

// The name /etc/localtime goes by: the zone its link points to, else the one /etc/timezone
// names, else none.
std::string nameOfLocaltime() {
  std::error_code error;
  auto target = std::filesystem::read_symlink("/etc/localtime", error);
  if (!error)
    return zoneNameOfPath(target.string());
  auto named = readRegularFile("/etc/timezone", 256).value_or("");
  named = named.substr(0, named.find('\n'));
  return ZoneDatabase::isZoneName(named) ? named : "localtime";
}

} // namespace

TimeZone::TimeZone(std::shared_ptr<const Shared> zone, std::string identifier)
    : zone_(std::move(zone)), identifier_(std::move(identifier)) {}

std::optional<TimeZone> TimeZone::named(std::string_view identifier) {
  std::string key = "name:" + ZoneDatabase::folder().string() + '\0' + std::string(identifier);
  auto zone = zones().find(key, [&] { return rulesNamed(identifier); });
  if (!zone)
    return std::nullopt;
  return TimeZone(std::move(zone), std::string(identifier));
}

TimeZone TimeZone::utc() {
  static const TimeZone zone(sharedOf(ZoneRules(PosixZoneRule::fixed(0))), "UTC");
  return zone;
}

TimeZone TimeZone::current() {
  const char *variable = std::getenv("TZ");
  if (!variable) {
    auto zone =
        zones().find("localtime", [] { return ZoneDatabase::rulesOfFile("/etc/localtime"); });
    return zone ? TimeZone(std::move(zone), nameOfLocaltime()) : utc();
  }
  // As the C library reads the variable: a zone file first, by its path or its name in the
  // database, else a POSIX rule, else UTC.
  std::string_view value = variable;
  if (value.starts_with(':'))
    value.remove_prefix(1);
  if (value.empty())
    return utc();
  std::filesystem::path file =
      value.starts_with('/') ? std::filesystem::path(value) : ZoneDatabase::folder() / value;
  if (auto zone =
          zones().find("file:" + file.string(), [&] { return ZoneDatabase::rulesOfFile(file); }))
    return TimeZone(std::move(zone), zoneNameOfPath(value));
  auto rule = zones().find("rule:" + std::string(value), [&]() -> std::optional<ZoneRules> {
    if (auto parsed = PosixZoneRule::parse(value))
      return ZoneRules(*parsed);
    return std::nullopt;
  });
  // Named by its abbreviations and offsets, without the days of its changes, whose slashes
  // would make a city of a time ("CET-1CEST,M3.5.0,M10.5.0/3" is "CET-1CEST").
  return rule ? TimeZone(std::move(rule), std::string(value.substr(0, value.find(',')))) : utc();
}

std::vector<std::string> TimeZone::knownIdentifiers() {
  std::vector<std::string> identifiers;
  for (const auto &name : ZoneDatabase::names().all)
    if (isGeographic(name))
      identifiers.push_back(name);
  return identifiers;
}

int TimeZone::secondsFromGMT(Date date) const {
  return zone_->rules.offsetAt(saturatedWhole<std::int64_t>(std::floor(date.unixTime())));
}

const ZoneRules &TimeZone::rules() const { return zone_->rules; }

const icu::TimeZone &TimeZone::icuZone() const {
  std::call_once(zone_->built, [this] {
    zone_->icu = makeIcuZone(zone_->rules, identifier_);
    if (!zone_->icu)
      zone_->icu = std::make_unique<icu::SimpleTimeZone>(zone_->rules.initial().offset * 1000,
                                                         unicodeText(identifier_));
  });
  return *zone_->icu;
}

} // namespace kit::foundation
