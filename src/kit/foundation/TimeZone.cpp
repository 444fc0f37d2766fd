#include "kit/foundation/TimeZone.h"

#include "kit/foundation/IcuText.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <unicode/strenum.h>
#include <unicode/timezone.h>

namespace kit::foundation {

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
std::string zoneNameOfPath(const std::string &path) {
  constexpr std::string_view kMarker = "zoneinfo/";
  auto at = path.rfind(kMarker);
  return at == std::string::npos ? path : path.substr(at + kMarker.size());
}

std::optional<TimeZone> zoneOfVariable(std::string_view value) {
  if (value.starts_with(':'))
    value.remove_prefix(1);
  if (value.empty())
    return TimeZone::utc();
  return TimeZone::named(zoneNameOfPath(std::string(value)));
}

std::optional<TimeZone> zoneOfLocaltime() {
  std::error_code error;
  auto target = std::filesystem::read_symlink("/etc/localtime", error);
  if (!error)
    return TimeZone::named(zoneNameOfPath(target.string()));
  if (!std::filesystem::exists("/etc/localtime", error))
    return std::nullopt;
  // A copied zone file: ICU recognises it by its contents.
  std::unique_ptr<icu::TimeZone> detected(icu::TimeZone::detectHostTimeZone());
  icu::UnicodeString id;
  return detected ? TimeZone::named(utf8Text(detected->getID(id))) : std::nullopt;
}

} // namespace

TimeZone::TimeZone(std::shared_ptr<const icu::TimeZone> zone, std::string identifier)
    : zone_(std::move(zone)), identifier_(std::move(identifier)) {}

std::optional<TimeZone> TimeZone::named(std::string_view identifier) {
  std::shared_ptr<const icu::TimeZone> zone(icu::TimeZone::createTimeZone(unicodeText(identifier)));
  icu::UnicodeString resolved;
  if (!zone || zone->getID(resolved) == icu::UnicodeString(UCAL_UNKNOWN_ZONE_ID))
    return std::nullopt;
  return TimeZone(std::move(zone), std::string(identifier));
}

TimeZone TimeZone::utc() {
  static const TimeZone zone = *named("UTC");
  return zone;
}

TimeZone TimeZone::current() {
  if (const char *variable = std::getenv("TZ"))
    return zoneOfVariable(variable).value_or(utc());
  return zoneOfLocaltime().value_or(utc());
}

const std::vector<std::string> &TimeZone::knownIdentifiers() {
  static const std::vector<std::string> identifiers = [] {
    std::vector<std::string> result;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::StringEnumeration> all(
        icu::TimeZone::createTimeZoneIDEnumeration(UCAL_ZONE_TYPE_ANY, nullptr, nullptr, status));
    if (U_FAILURE(status) || !all)
      return result;
    int32_t length = 0;
    while (const char *id = all->next(&length, status))
      if (isGeographic(id))
        result.emplace_back(id, static_cast<size_t>(length));
    std::sort(result.begin(), result.end());
    return result;
  }();
  return identifiers;
}

int TimeZone::secondsFromGMT(Date date) const {
  int32_t raw = 0;
  int32_t daylight = 0;
  UErrorCode status = U_ZERO_ERROR;
  zone_->getOffset(date.unixTime() * 1000.0, false, raw, daylight, status);
  return U_FAILURE(status) ? 0 : (raw + daylight) / 1000;
}

} // namespace kit::foundation
