#include "Shared/Data/SkyMath.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/CivilDate.h"
#include "kit/foundation/Saturating.h"
#include "kit/foundation/TimeZone.h"

#include <array>
#include <cmath>
#include <string_view>

namespace zavel::SkyMath {

using kit::foundation::Date;
using kit::foundation::wholeRounded;

namespace {

constexpr double pi = 3.141592653589793;
constexpr auto secondsPerDay = static_cast<double>(kit::foundation::kSecondsPerDay);
constexpr double secondsPerHour = 3600;

double radians(double degrees) { return degrees * pi / 180; }
double degrees(double radians) { return radians * 180 / pi; }

// `value` brought into [0, period).
double wrapped(double value, double period) {
  double rest = std::fmod(value, period);
  if (rest < 0)
    rest += period;
  return rest < period ? rest : 0;
}

// The day the sun sees at a longitude: mean solar time there runs `longitudeHours` ahead of UTC.
struct LocalDay {
  double utcMidnight; // Unix seconds of 00:00 UTC on that calendar day
  int dayOfYear;
};

LocalDay localDay(Date date, double longitudeHours) {
  static const kit::foundation::Calendar utc =
      kit::foundation::Calendar::gregorian(kit::foundation::TimeZone::utc());
  double shifted = date.unixTime() + longitudeHours * secondsPerHour;
  double midnight = std::floor(shifted / secondsPerDay) * secondsPerDay;
  int ordinal = utc.dayOfYear(Date::fromUnixTime(midnight));
  return {midnight, ordinal > 0 ? ordinal : 1};
}

// The event's local mean time in hours on day `n` of the year, by the almanac method with the
// official zenith of 90°50'; none when the sun does not cross that zenith that day.
std::optional<double> localMeanTime(bool rise, int n, double latitude, double longitudeHours) {
  constexpr double cosZenith = -0.01453808050249674;
  double t = n + ((rise ? 6 : 18) - longitudeHours) / 24;
  double meanAnomaly = 0.9856 * t - 3.289;
  double trueLongitude = wrapped(meanAnomaly + 1.916 * std::sin(radians(meanAnomaly)) +
                                     0.020 * std::sin(2 * radians(meanAnomaly)) + 282.634,
                                 360);
  double sinDec = 0.39782 * std::sin(radians(trueLongitude));
  double cosDec = std::cos(std::asin(sinDec));
  double cosH =
      (cosZenith - sinDec * std::sin(radians(latitude))) / (cosDec * std::cos(radians(latitude)));
  if (!(std::abs(cosH) <= 1))
    return std::nullopt;
  double rightAscension =
      wrapped(degrees(std::atan(0.91764 * std::tan(radians(trueLongitude)))), 360);
  rightAscension +=
      (std::floor(trueLongitude / 90) - std::floor(rightAscension / 90)) * 90; // same quadrant
  double hourAngle = degrees(std::acos(cosH));
  if (rise)
    hourAngle = 360 - hourAngle;
  return rightAscension / 15 + hourAngle / 15 - 0.06571 * t - 6.622;
}

struct Phase {
  double below; // the share of the month where the next phase begins
  std::string_view name;
};

constexpr std::array<Phase, 8> phases{{
    {0.033, "New Moon"},
    {0.216, "Waxing Crescent"},
    {0.284, "First Quarter"},
    {0.467, "Waxing Gibbous"},
    {0.533, "Full Moon"},
    {0.716, "Waning Gibbous"},
    {0.784, "Last Quarter"},
    {0.967, "Waning Crescent"},
}};

std::string phaseName(double fraction) {
  for (const Phase &phase : phases)
    if (fraction < phase.below)
      return std::string(phase.name);
  return "New Moon";
}

constexpr double synodicMonth = 29.530588853;  // days
constexpr double referenceNewMoon = 947182440; // Unix seconds: 2000-01-06 18:14 UTC

} // namespace

std::optional<Date> solarEvent(bool rise, Date date, double latitude, double longitude) {
  if (!std::isfinite(date.secondsSinceReferenceDate) || !std::isfinite(longitude) ||
      !(std::abs(latitude) <= 90))
    return std::nullopt;
  double longitudeHours = (wrapped(longitude + 180, 360) - 180) / 15;
  LocalDay day = localDay(date, longitudeHours);
  std::optional<double> meanTime = localMeanTime(rise, day.dayOfYear, latitude, longitudeHours);
  if (!meanTime)
    return std::nullopt;
  // Within twelve hours of where the event lies on an ordinary day (sunrise about 6, sunset about
  // 18), so both stay on this local day and the sunset comes after the sunrise.
  double centre = rise ? 6 : 18;
  double hours = centre - 12 + wrapped(*meanTime - (centre - 12), 24);
  double minutes = std::floor((hours - longitudeHours) * 60);
  return Date::fromUnixTime(day.utcMidnight + minutes * 60);
}

std::optional<SunTimes> sunTimes(Date date, double latitude, double longitude) {
  std::optional<Date> sunrise = solarEvent(true, date, latitude, longitude);
  if (!sunrise)
    return std::nullopt;
  std::optional<Date> sunset = solarEvent(false, date, latitude, longitude);
  if (!sunset || !(*sunset > *sunrise))
    return std::nullopt;
  return SunTimes{*sunrise, *sunset};
}

DaylightInfo daylight(const std::string &place, Date date, double latitude, double longitude) {
  if (std::optional<SunTimes> times = sunTimes(date, latitude, longitude))
    return DaylightInfo{times->sunrise, times->sunset, place, std::nullopt};
  return DaylightInfo::sample();
}

MoonInfo moon(Date date) {
  double days = (date.unixTime() - referenceNewMoon) / secondsPerDay;
  return moonAtFraction(std::fmod(days, synodicMonth) / synodicMonth);
}

MoonInfo moonAtFraction(double fraction) {
  double p = std::isfinite(fraction) ? wrapped(fraction, 1) : 0;
  double toFull = (p <= 0.5 ? 0.5 - p : 1.5 - p) * synodicMonth;
  return MoonInfo{
      .phaseName = phaseName(p),
      .illuminated = (1 - std::cos(6.283185307179586 * p)) / 2,
      .waxing = p < 0.5,
      .daysToFull = wholeRounded(toFull),
      .daysToNew = wholeRounded((1 - p) * synodicMonth),
  };
}

} // namespace zavel::SkyMath
