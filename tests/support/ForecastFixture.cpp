#include "support/ForecastFixture.h"

#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/Locale.h"
#include "kit/foundation/TimeZone.h"

namespace zavel::test {

using kit::foundation::Date;
using kit::foundation::Json;

Date forecastMoment() { return *kit::foundation::dateFromIso8601("2025-06-10T12:00:00Z"); }

Json hourlyTimes(Date first, int count, const std::string &zone) {
  kit::foundation::DateFormatter format("yyyy-MM-dd'T'HH:mm", kit::foundation::Locale::posix(),
                                        *kit::foundation::TimeZone::named(zone));
  Json times = Json::array();
  for (int hour = 0; hour < count; ++hour)
    times.push_back(format.string(first.addingTimeInterval(hour * 3600.0)));
  return times;
}

Json forecastAnswer() {
  Json probabilities = Json::array();
  Json visibility = Json::array();
  for (int row = 0; row < 48; ++row) {
    probabilities.push_back(row);
    visibility.push_back(1000.0 * row);
  }
  Date londonMidnight = *kit::foundation::dateFromIso8601("2025-06-09T23:00:00Z");
  return {
      {"latitude", 51.5},
      {"longitude", -0.12},
      {"timezone", "Europe/London"},
      {"current",
       {{"temperature_2m", 18.4},
        {"apparent_temperature", 17.6},
        {"weather_code", 2},
        {"is_day", 1},
        {"relative_humidity_2m", 62},
        {"wind_speed_10m", 14.5},
        {"surface_pressure", 1013.2},
        {"uv_index", 3.49}}},
      {"daily",
       {{"time",
         {"2025-06-10", "2025-06-11", "2025-06-12", "2025-06-13", "2025-06-14", "2025-06-15",
          "2025-06-16"}},
        {"temperature_2m_max", {20.0, 21.0, 22.0, 26.0, 24.0, 23.0, 25.0}},
        {"temperature_2m_min", {10.0, 11.0, 12.0, 13.0, 14.0, 15.0, 16.0}},
        {"weather_code", {2, 3, 61, 0, 1, 2, 3}}}},
      {"hourly",
       {{"time", hourlyTimes(londonMidnight, 48, "Europe/London")},
        {"precipitation_probability", probabilities},
        {"visibility", visibility}}},
  };
}

WeatherProvider::Environment serviceEnvironment(const testsupport::FakeHttpServer &server,
                                                const std::filesystem::path &home, Date now) {
  return {home, kit::foundation::Clock::fixed(now), server.baseURL(), server.baseURL()};
}

} // namespace zavel::test
