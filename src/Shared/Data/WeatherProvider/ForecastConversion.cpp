#include "Shared/Data/WeatherProvider/ForecastConversion.h"

#include "Shared/Data/WeatherProvider/ConditionText.h"
#include "kit/foundation/Saturating.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/DateFormatter.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace zavel::WeatherProvider {

using kit::foundation::wholeRounded;

namespace {

using kit::foundation::Calendar;
using kit::foundation::Date;
using kit::foundation::DateFormatter;
using kit::foundation::Locale;
using kit::foundation::TimeZone;

constexpr std::size_t kMaxDailyRows = 7;
// Twelve hours ahead of the start row, both ends included.
constexpr std::size_t kRainRowSpan = 13;
constexpr std::size_t kRainRowStep = 2;
// A bar is never drawn lower than this, so a dry hour still shows.
constexpr double kRainFloor = 0.06;

// The service writes its dates in one fixed form, whatever the user's locale and calendar.
DateFormatter serviceDateParser(std::string_view pattern, const TimeZone &zone) {
  return DateFormatter(pattern, Locale::posix(), Calendar::gregorian(zone));
}

int64_t firstRounded(const std::vector<double> &values) {
  return values.empty() ? 0 : wholeRounded(values.front());
}

std::optional<int64_t> rounded(const std::optional<double> &value) {
  if (!value)
    return std::nullopt;
  return wholeRounded(*value);
}

// The first row holding the greatest value is the peak.
template <class Row, class Value> void markFirstPeak(std::vector<Row> &rows, Value Row::*member) {
  auto peak = std::max_element(rows.begin(), rows.end(),
                               [&](const Row &a, const Row &b) { return a.*member < b.*member; });
  if (peak != rows.end())
    peak->isPeak = true;
}

std::vector<WeatherSnapshot::Day> followingDays(const APIResponse::Daily &daily,
                                                const Locale &locale) {
  // A day's name depends on its date alone; reading and naming it in UTC means no zone whose
  // midnight is skipped by a clock change loses that day.
  TimeZone utc = TimeZone::utc();
  DateFormatter parser = serviceDateParser("yyyy-MM-dd", utc);
  DateFormatter labeller("EEE", locale, utc);
  std::vector<WeatherSnapshot::Day> days;
  std::size_t rows = std::min(daily.time.size(), kMaxDailyRows);
  for (std::size_t row = 1; row < rows; ++row) {
    if (row >= daily.temperature_2m_max.size() || row >= daily.temperature_2m_min.size())
      break;
    auto date = parser.date(daily.time[row]);
    if (!date)
      continue;
    days.push_back({labeller.string(*date), wholeRounded(daily.temperature_2m_max[row]),
                    wholeRounded(daily.temperature_2m_min[row]), false});
  }
  markFirstPeak(days, &WeatherSnapshot::Day::high);
  return days;
}

// The first hour not yet past; the first row when every hour is past or none can be read.
std::size_t startRow(const std::vector<std::string> &times, const DateFormatter &parser, Date now) {
  for (std::size_t row = 0; row < times.size(); ++row) {
    auto date = parser.date(times[row]);
    if (date && *date >= now)
      return row;
  }
  return 0;
}

struct RainBars {
  std::vector<WeatherSnapshot::RainHour> hours;
  // The greatest chance before the floor; 0 without bars.
  double chance = 0;
};

RainBars rainBars(const APIResponse::Hourly &hourly, std::size_t start, const DateFormatter &parser,
                  const DateFormatter &labeller) {
  RainBars bars;
  std::optional<double> greatest;
  std::size_t end = std::min(hourly.time.size(), start + kRainRowSpan);
  for (std::size_t row = start; row < end; row += kRainRowStep) {
    if (row >= hourly.precipitation_probability.size())
      break;
    auto date = parser.date(hourly.time[row]);
    if (!date)
      continue;
    double raw = static_cast<double>(hourly.precipitation_probability[row]) / 100;
    bars.hours.push_back({labeller.string(*date), std::max(raw, kRainFloor), false});
    greatest = std::max(greatest.value_or(raw), raw);
  }
  bars.chance = greatest.value_or(0);
  markFirstPeak(bars.hours, &WeatherSnapshot::RainHour::chance);
  return bars;
}

std::optional<int64_t> visibilityKm(const APIResponse::Hourly &hourly, std::size_t row) {
  if (!hourly.visibility || row >= hourly.visibility->size() || !(*hourly.visibility)[row])
    return std::nullopt;
  return wholeRounded(*(*hourly.visibility)[row] / 1000);
}

} // namespace

WeatherSnapshot convertForecast(const APIResponse &answer, const Place &place,
                                const ConversionSettings &settings) {
  const APIResponse::Current &current = answer.current;
  WeatherSnapshot snapshot;
  snapshot.place = place.name;
  snapshot.latitude = place.latitude;
  snapshot.longitude = place.longitude;
  snapshot.timeZoneID = answer.timezone;
  snapshot.updated = settings.now;
  snapshot.code = current.weather_code;
  snapshot.temperature = wholeRounded(current.temperature_2m);
  snapshot.feelsLike = wholeRounded(current.apparent_temperature);
  snapshot.condition = conditionText(current.weather_code, current.is_day == 1);
  snapshot.isNight = current.is_day == 0;
  snapshot.high = firstRounded(answer.daily.temperature_2m_max);
  snapshot.low = firstRounded(answer.daily.temperature_2m_min);
  snapshot.windKmh = rounded(current.wind_speed_10m);
  snapshot.humidity = current.relative_humidity_2m;
  snapshot.uvIndex = rounded(current.uv_index);
  snapshot.pressureHpa = rounded(current.surface_pressure);
  snapshot.days = followingDays(answer.daily, settings.locale);

  // Hours are the place's wall times; an unknown zone reads them as the device's.
  TimeZone placeZone = TimeZone::named(answer.timezone).value_or(settings.deviceZone);
  DateFormatter hourParser = serviceDateParser("yyyy-MM-dd'T'HH:mm", placeZone);
  DateFormatter hourLabeller(settings.uses24Hour ? "HH" : "h", settings.locale, placeZone);
  std::size_t start = startRow(answer.hourly.time, hourParser, settings.now);
  RainBars bars = rainBars(answer.hourly, start, hourParser, hourLabeller);
  snapshot.rainHours = std::move(bars.hours);
  snapshot.rainChance = bars.chance;
  snapshot.visibilityKm = visibilityKm(answer.hourly, start);
  return snapshot;
}

} // namespace zavel::WeatherProvider
