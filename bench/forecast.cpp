// A forecast service's answer made into a weather snapshot: reading the JSON body, and the
// conversion of the decoded answer (dates parsed, days and hours named, bars picked).
#include "Shared/Data/WeatherProvider/ForecastConversion.h"
#include "Shared/Data/WeatherProvider/ServiceAnswer.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <string>

namespace {

using namespace zavel::WeatherProvider;
using kit::foundation::Date;
using kit::foundation::Locale;
using kit::foundation::TimeZone;

constexpr int kDays = 7;

// An answer of the size the widgets ask for: current conditions, seven days and their hours.
std::string answerBody() {
  std::string days, highs, lows, hours, chances, visibilities;
  for (int day = 0; day < kDays; ++day) {
    std::string separator = day ? "," : "";
    days += fmt::format("{}\"2025-01-{:02}\"", separator, 6 + day);
    highs += fmt::format("{}{:.1f}", separator, 8.4 + day);
    lows += fmt::format("{}{:.1f}", separator, 1.2 + day / 2.0);
    for (int hour = 0; hour < 24; ++hour) {
      std::string comma = day || hour ? "," : "";
      hours += fmt::format("{}\"2025-01-{:02}T{:02}:00\"", comma, 6 + day, hour);
      chances += fmt::format("{}{}", comma, (day * 24 + hour) * 7 % 101);
      visibilities += hour % 9 ? fmt::format("{}{}", comma, 24140 - hour * 310) : comma + "null";
    }
  }
  return fmt::format(
      R"({{"latitude":52.52,"longitude":13.42,"timezone":"Europe/Berlin","elevation":38.0,)"
      R"("current":{{"time":"2025-01-06T11:00","interval":900,"temperature_2m":6.3,)"
      R"("apparent_temperature":3.1,"weather_code":3,"is_day":1,"relative_humidity_2m":81,)"
      R"("wind_speed_10m":14.2,"surface_pressure":1012.4,"uv_index":0.85}},)"
      R"("daily":{{"time":[{}],"temperature_2m_max":[{}],"temperature_2m_min":[{}],)"
      R"("weather_code":[3,61,61,2,1,0,3]}},)"
      R"("hourly":{{"time":[{}],"precipitation_probability":[{}],"visibility":[{}]}}}})",
      days, highs, lows, hours, chances, visibilities);
}

const Place berlin{"Berlin", 52.52, 13.42};

ConversionSettings settings() {
  // 11:20 in Berlin on the first day.
  return {Date::fromUnixTime(1736158800), true, *TimeZone::named("Europe/Berlin"), Locale("en_GB")};
}

// A conversion that fell short of the full answer would time a different path.
bool complete(const zavel::WeatherSnapshot &snapshot) {
  return snapshot.days.size() == kDays - 1 && snapshot.rainHours.size() == 7;
}

void BM_DecodeForecastAnswer(benchmark::State &state) {
  std::string body = answerBody();
  for (auto _ : state)
    benchmark::DoNotOptimize(decodeAnswer<APIResponse>(body));
  state.SetBytesProcessed(int64_t(state.iterations() * body.size()));
}
BENCHMARK(BM_DecodeForecastAnswer)->Unit(benchmark::kMicrosecond);

void BM_ConvertForecast(benchmark::State &state) {
  APIResponse answer = decodeAnswer<APIResponse>(answerBody());
  ConversionSettings conversion = settings();
  if (!complete(convertForecast(answer, berlin, conversion)))
    state.SkipWithError("the answer did not convert in full");
  for (auto _ : state)
    benchmark::DoNotOptimize(convertForecast(answer, berlin, conversion));
}
BENCHMARK(BM_ConvertForecast)->Unit(benchmark::kMicrosecond);

// What a fetch does once the body is in: both of the above.
void BM_AnswerToSnapshot(benchmark::State &state) {
  std::string body = answerBody();
  ConversionSettings conversion = settings();
  for (auto _ : state)
    benchmark::DoNotOptimize(convertForecast(decodeAnswer<APIResponse>(body), berlin, conversion));
}
BENCHMARK(BM_AnswerToSnapshot)->Unit(benchmark::kMicrosecond);

} // namespace
