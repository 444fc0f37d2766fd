#include "Shared/Data/ClockFormat.h"

#include "Shared/Data/WidgetIntents/TimeZoneEntity.h"

#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/Locale.h"
#include "kit/foundation/TextOperations.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fmt/format.h>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <utility>

namespace zavel::ClockFormat {

namespace {

using kit::foundation::Date;
using kit::foundation::DateFormatter;
using kit::foundation::Locale;
using kit::foundation::TimeZone;

constexpr std::array<std::pair<std::string_view, std::string_view>, 20> kCityCodes = {{
    {"London", "LDN"},    {"New York", "NYC"}, {"Tokyo", "TYO"},     {"Los Angeles", "LAX"},
    {"Paris", "PAR"},     {"Berlin", "BER"},   {"Sydney", "SYD"},    {"Hong Kong", "HKG"},
    {"Singapore", "SIN"}, {"Dubai", "DXB"},    {"Chicago", "CHI"},   {"Toronto", "TOR"},
    {"Amsterdam", "AMS"}, {"Madrid", "MAD"},   {"Shanghai", "SHA"},  {"Auckland", "AKL"},
    {"Denver", "DEN"},    {"Phoenix", "PHX"},  {"Sao Paulo", "SAO"}, {"Mexico City", "MEX"},
}};

// Formatters and the locale's hour pattern are costly to make and the same every time, so each
// is made once per process; the stored choice is not kept. A list grown past any real use (every
// zone a user could pick, a few patterns) starts again, never invalidating a formatter in use.
constexpr std::size_t kMostKept = 512;

bool localeUses24Hour() {
  static std::mutex mutex;
  static std::map<std::string, bool> known;
  Locale locale = Locale::current();
  std::lock_guard lock(mutex);
  if (auto found = known.find(locale.identifier()); found != known.end())
    return found->second;
  // How the locale writes an hour on its own: "HH" and "kk" are 24-hour, "h a" and "K a" not.
  std::string pattern = DateFormatter::bestPattern("j", locale).value_or("H");
  bool uses24 = pattern.find_first_of("Hk") != std::string::npos;
  if (known.size() >= kMostKept)
    known.clear();
  known.emplace(locale.identifier(), uses24);
  return uses24;
}

std::shared_ptr<const DateFormatter> formatter(std::string_view pattern, const TimeZone &zone,
                                               const Locale &locale) {
  using Key = std::tuple<std::string, std::string, std::string>;
  static std::mutex mutex;
  static std::map<Key, std::shared_ptr<const DateFormatter>> kept;
  Key key{pattern, zone.identifier(), locale.identifier()};
  std::lock_guard lock(mutex);
  if (auto found = kept.find(key); found != kept.end())
    return found->second;
  auto made = std::make_shared<const DateFormatter>(pattern, locale, zone);
  if (kept.size() >= kMostKept)
    kept.clear();
  kept.emplace(std::move(key), made);
  return made;
}

std::string text(std::string_view pattern, Date date, const TimeZone &zone) {
  return formatter(pattern, zone, Locale::posix())->string(date);
}

} // namespace

bool uses24Hour(const std::filesystem::path &home) {
  switch (SharedSuite::open(home).integer(timeFormatKey)) {
  case 12:
    return false;
  case 24:
    return true;
  default:
    return localeUses24Hour();
  }
}

std::string hhmm(Date date, const TimeZone &zone, const std::filesystem::path &home) {
  return hhmm(date, zone, uses24Hour(home));
}

std::string hhmm(Date date, const TimeZone &zone, bool twentyFourHour) {
  return text(twentyFourHour ? "HH:mm" : "hh:mm", date, zone);
}

Parts parts(Date date, const TimeZone &zone, const std::filesystem::path &home) {
  return {text(uses24Hour(home) ? "HH" : "hh", date, zone), text("mm", date, zone)};
}

std::string formatted(std::string_view pattern, Date date, const TimeZone &zone) {
  return text(pattern, date, zone);
}

std::string gmtLabel(const TimeZone &zone, Date date) {
  int seconds = zone.secondsFromGMT(date);
  int hours = seconds / 3600;
  int rest = std::abs(seconds - 3600 * hours);
  std::string label = fmt::format("GMT{}{}", seconds < 0 ? '-' : '+', std::abs(hours));
  if (rest >= 60)
    label += fmt::format(":{:02d}", rest / 60);
  return label;
}

std::string cityCode(const TimeZone &zone) {
  std::string city = TimeZoneEntity::cityName(zone.identifier());
  for (auto [name, code] : kCityCodes)
    if (city == name)
      return std::string(code);
  std::erase(city, ' ');
  return kit::foundation::uppercased(kit::foundation::prefixCharacters(city, 3));
}

} // namespace zavel::ClockFormat
