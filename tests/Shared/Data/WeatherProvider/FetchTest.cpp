#include "Shared/Data/WeatherProvider/Fetch.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Views/ClockFormat.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/net/HttpError.h"
#include "support/ForecastFixture.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::DecodeError;
using kit::foundation::HttpError;
using kit::foundation::Json;
using testsupport::FakeHttpServer;
using testsupport::FakeResponse;
using WeatherProvider::Place;

const Place kLondon{"London", 51.5072, -0.1276};

std::vector<std::string> dayLabels(const WeatherSnapshot &snapshot) {
  std::vector<std::string> labels;
  for (const auto &day : snapshot.days)
    labels.push_back(day.label);
  return labels;
}

std::vector<std::string> barLabels(const WeatherSnapshot &snapshot) {
  std::vector<std::string> labels;
  for (const auto &bar : snapshot.rainHours)
    labels.push_back(bar.label);
  return labels;
}

Json firstRows(const Json &rows, std::size_t count) {
  return Json(std::vector<Json>(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(count)));
}

std::optional<std::size_t> peakDay(const WeatherSnapshot &snapshot) {
  for (std::size_t i = 0; i < snapshot.days.size(); ++i)
    if (snapshot.days[i].isPeak)
      return i;
  return std::nullopt;
}

class Forecast : public testing::Test {
protected:
  // Serves `answer` and fetches London from it.
  WeatherSnapshot fetchAnswer(const Json &answer,
                              kit::foundation::Date now = test::forecastMoment()) {
    server.serve("/v1/forecast", FakeResponse::json(answer.dump()));
    return WeatherProvider::fetch(kLondon, test::serviceEnvironment(server, home.path(), now));
  }
  void useClock(int hours) {
    ASSERT_TRUE(SharedSuite::open().set(ClockFormat::timeFormatKey, int64_t{hours}));
  }

  test::TempHome home;
  test::ScopedLocaleAndZone locale{"en_US", "UTC"};
  FakeHttpServer server;
};

TEST_F(Forecast, AsksForOnePlaceWithTheServiceQueryInOrder) {
  Place berlin{"Berlin", 52.52, 13};
  server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
  WeatherProvider::fetch(berlin, test::serviceEnvironment(server, home.path()));

  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].path, "/v1/forecast");
  std::vector<std::pair<std::string, std::string>> expected{
      {"latitude", "52.52"},
      {"longitude", "13.0"},
      {"current", "temperature_2m,apparent_temperature,weather_code,is_day,relative_humidity_2m,"
                  "wind_speed_10m,surface_pressure,uv_index"},
      {"daily", "temperature_2m_max,temperature_2m_min,weather_code"},
      {"hourly", "precipitation_probability,visibility"},
      {"forecast_days", "7"},
      {"timezone", "auto"},
  };
  EXPECT_EQ(requests[0].query, expected);
}

TEST_F(Forecast, ConvertsTheCurrentConditionsOfThePlace) {
  WeatherSnapshot snapshot = fetchAnswer(test::forecastAnswer());
  EXPECT_EQ(snapshot.place, "London");
  EXPECT_EQ(snapshot.latitude, 51.5072);
  EXPECT_EQ(snapshot.longitude, -0.1276);
  EXPECT_EQ(snapshot.timeZoneID, "Europe/London");
  EXPECT_EQ(snapshot.updated, test::forecastMoment());
  EXPECT_EQ(snapshot.temperature, 18);
  EXPECT_EQ(snapshot.feelsLike, 18);
  EXPECT_EQ(snapshot.code, 2);
  EXPECT_EQ(snapshot.condition, "Partly cloudy");
  EXPECT_FALSE(snapshot.isNight);
  EXPECT_EQ(snapshot.high, 20);
  EXPECT_EQ(snapshot.low, 10);
  EXPECT_EQ(snapshot.humidity, 62);
  EXPECT_EQ(snapshot.windKmh, 15);
  EXPECT_EQ(snapshot.pressureHpa, 1013);
  EXPECT_EQ(snapshot.uvIndex, 3);
}

TEST_F(Forecast, MissingOptionalFiguresStayUnknown) {
  Json answer = test::forecastAnswer();
  for (const char *name : {"relative_humidity_2m", "wind_speed_10m", "surface_pressure"})
    answer["current"].erase(name);
  answer["current"]["uv_index"] = nullptr;
  answer["hourly"].erase("visibility");
  WeatherSnapshot snapshot = fetchAnswer(answer);
  EXPECT_EQ(snapshot.humidity, std::nullopt);
  EXPECT_EQ(snapshot.windKmh, std::nullopt);
  EXPECT_EQ(snapshot.pressureHpa, std::nullopt);
  EXPECT_EQ(snapshot.uvIndex, std::nullopt);
  EXPECT_EQ(snapshot.visibilityKm, std::nullopt);
}

TEST_F(Forecast, RoundsHalvesAwayFromZeroAndSaturatesHugeValues) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  struct Case {
    double temperature;
    int64_t expected;
  } cases[] = {{12.5, 13},  {-0.5, -1},    {2.5, 3},       {-2.5, -3},
               {12.49, 12}, {1e300, kMax}, {-1e300, kMin}, {9.3e18, kMax}};
  for (const auto &c : cases) {
    Json answer = test::forecastAnswer();
    answer["current"]["temperature_2m"] = c.temperature;
    answer["current"]["wind_speed_10m"] = c.temperature;
    answer["daily"]["temperature_2m_max"][0] = c.temperature;
    WeatherSnapshot snapshot = fetchAnswer(answer);
    EXPECT_EQ(snapshot.temperature, c.expected) << c.temperature;
    EXPECT_EQ(snapshot.windKmh, c.expected) << c.temperature;
    EXPECT_EQ(snapshot.high, c.expected) << c.temperature;
  }
}

TEST_F(Forecast, DayAndNightNameTheConditionAndOnlyZeroIsNight) {
  struct Case {
    int64_t code;
    int64_t isDay;
    const char *condition;
    bool isNight;
  } cases[] = {
      {0, 1, "Clear sky", false},  {0, 0, "Clear night", true},  {1, 1, "Mostly clear", false},
      {1, 0, "Clear night", true}, {0, 2, "Clear night", false}, {0, -1, "Clear night", false},
      {100, 1, "\u2014", false},   {-1, 0, "\u2014", true},
  };
  for (const auto &c : cases) {
    Json answer = test::forecastAnswer();
    answer["current"]["weather_code"] = c.code;
    answer["current"]["is_day"] = c.isDay;
    WeatherSnapshot snapshot = fetchAnswer(answer);
    EXPECT_EQ(snapshot.condition, c.condition) << c.code << " " << c.isDay;
    EXPECT_EQ(snapshot.isNight, c.isNight) << c.code << " " << c.isDay;
    EXPECT_EQ(snapshot.code, c.code);
  }
}

TEST_F(Forecast, TheDaysAfterTodayWithTheFirstHighestAsPeak) {
  WeatherSnapshot snapshot = fetchAnswer(test::forecastAnswer());
  std::vector<WeatherSnapshot::Day> expected{
      {"Wed", 21, 11, false}, {"Thu", 22, 12, false}, {"Fri", 26, 13, true},
      {"Sat", 24, 14, false}, {"Sun", 23, 15, false}, {"Mon", 25, 16, false},
  };
  EXPECT_EQ(snapshot.days, expected);
}

TEST_F(Forecast, DailyRowsBoundTheDays) {
  struct Case {
    const char *name;
    Json time;
    Json highs;
    Json lows;
    std::vector<std::string> labels;
    int64_t high;
    int64_t low;
    std::optional<std::size_t> peak;
  } cases[] = {
      {"one row", {"2025-06-10"}, {20.5}, {9.5}, {}, 21, 10, std::nullopt},
      {"no rows", Json::array(), Json::array(), Json::array(), {}, 0, 0, std::nullopt},
      {"ten rows",
       {"2025-06-10", "2025-06-11", "2025-06-12", "2025-06-13", "2025-06-14", "2025-06-15",
        "2025-06-16", "2025-06-17", "2025-06-18", "2025-06-19"},
       {1, 2, 3, 4, 5, 6, 7, 80, 90, 99},
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {"Wed", "Thu", "Fri", "Sat", "Sun", "Mon"},
       1,
       0,
       5},
      {"a tie goes to the earlier day",
       {"2025-06-10", "2025-06-11", "2025-06-12", "2025-06-13"},
       {30, 25, 27, 27},
       {0, 0, 0, 0},
       {"Wed", "Thu", "Fri"},
       30,
       0,
       1},
      {"shorter highs end the days",
       {"2025-06-10", "2025-06-11", "2025-06-12", "2025-06-13"},
       {20, 21, 22},
       {10, 11, 12, 13},
       {"Wed", "Thu"},
       20,
       10,
       1},
      {"shorter lows end the days",
       {"2025-06-10", "2025-06-11", "2025-06-12", "2025-06-13"},
       {20, 21, 22, 23},
       {10, 11},
       {"Wed"},
       20,
       10,
       0},
      {"an unreadable day is left out",
       {"2025-06-10", "2025-06-11", "11/06/2025", "2025-02-30", "2025-06-14"},
       {20, 21, 22, 23, 24},
       {10, 11, 12, 13, 14},
       {"Wed", "Sat"},
       20,
       10,
       1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Json answer = test::forecastAnswer();
    answer["daily"]["time"] = c.time;
    answer["daily"]["temperature_2m_max"] = c.highs;
    answer["daily"]["temperature_2m_min"] = c.lows;
    WeatherSnapshot snapshot = fetchAnswer(answer);
    EXPECT_EQ(dayLabels(snapshot), c.labels);
    EXPECT_EQ(snapshot.high, c.high);
    EXPECT_EQ(snapshot.low, c.low);
    EXPECT_EQ(peakDay(snapshot), c.peak);
  }
}

TEST_F(Forecast, ServiceDatesReadTheSameUnderAnyLocaleAndCalendar) {
  useClock(24);
  struct Case {
    const char *locale;
    std::vector<std::string> days;
    std::string firstBar;
  } cases[] = {
      {"th_TH", {"พ.", "พฤ.", "ศ.", "ส.", "อา.", "จ."}, "13"}, // Buddhist calendar
      {"ja_JP@calendar=japanese", {"水", "木", "金", "土", "日", "月"}, "13"},
      {"de_DE", {"Mi.", "Do.", "Fr.", "Sa.", "So.", "Mo."}, "13"},
      {"ar_EG", {"الأربعاء", "الخميس", "الجمعة", "السبت", "الأحد", "الاثنين"}, "١٣"},
  };
  for (const auto &c : cases) {
    test::ScopedLocaleAndZone scoped(c.locale, "UTC");
    WeatherSnapshot snapshot = fetchAnswer(test::forecastAnswer());
    EXPECT_EQ(dayLabels(snapshot), c.days) << c.locale;
    ASSERT_EQ(snapshot.rainHours.size(), 7u) << c.locale;
    EXPECT_EQ(snapshot.rainHours[0].label, c.firstBar) << c.locale;
  }
}

TEST_F(Forecast, ADayWhoseMidnightIsSkippedInTheDeviceZoneIsKept) {
  // Chile moves its clocks from midnight to one on 2024-09-08.
  test::ScopedLocaleAndZone santiago("en_US", "America/Santiago");
  Json answer = test::forecastAnswer();
  answer["daily"]["time"] = {"2024-09-07", "2024-09-08", "2024-09-09"};
  answer["daily"]["temperature_2m_max"] = {1, 2, 3};
  answer["daily"]["temperature_2m_min"] = {0, 0, 0};
  EXPECT_EQ(dayLabels(fetchAnswer(answer)), (std::vector<std::string>{"Sun", "Mon"}));
}

TEST_F(Forecast, RainBarsEveryTwoHoursFromTheFirstHourNotPast) {
  useClock(24);
  WeatherSnapshot snapshot = fetchAnswer(test::forecastAnswer());
  // 13:00 in London is the first hour at or after 12:00 UTC: row 13.
  EXPECT_EQ(barLabels(snapshot),
            (std::vector<std::string>{"13", "15", "17", "19", "21", "23", "01"}));
  std::vector<double> chances;
  for (const auto &bar : snapshot.rainHours)
    chances.push_back(bar.chance);
  EXPECT_EQ(chances, (std::vector<double>{0.13, 0.15, 0.17, 0.19, 0.21, 0.23, 0.25}));
  EXPECT_TRUE(snapshot.rainHours.back().isPeak);
  EXPECT_DOUBLE_EQ(snapshot.rainChance, 0.25);
  EXPECT_EQ(snapshot.visibilityKm, 13);
}

TEST_F(Forecast, TheStartHourIsTheFirstAtOrAfterNow) {
  useClock(24);
  struct Case {
    const char *now;
    std::string firstBar;
    std::optional<int64_t> visibility;
  } cases[] = {
      {"2025-06-10T12:00:00Z", "13", 13}, // 13:00 in London
      {"2025-06-10T11:00:00Z", "12", 12},
      {"2025-06-10T11:00:01Z", "13", 13},
      {"2025-06-10T12:00:01Z", "14", 14},
      {"2025-06-30T00:00:00Z", "00", 0}, // every hour past: row 0
  };
  for (const auto &c : cases) {
    WeatherSnapshot snapshot =
        fetchAnswer(test::forecastAnswer(), *kit::foundation::dateFromIso8601(c.now));
    ASSERT_FALSE(snapshot.rainHours.empty()) << c.now;
    EXPECT_EQ(snapshot.rainHours[0].label, c.firstBar) << c.now;
    EXPECT_EQ(snapshot.visibilityKm, c.visibility) << c.now;
  }
}

TEST_F(Forecast, HourlyRowsBoundTheBars) {
  useClock(24);
  struct Case {
    const char *name;
    std::function<void(Json &hourly)> change;
    std::vector<std::string> bars;
    std::optional<int64_t> visibility;
  } cases[] = {
      {"five rows from the start row",
       [](Json &hourly) {
         for (const char *name : {"time", "precipitation_probability", "visibility"})
           hourly[name] = firstRows(hourly[name], 18);
       },
       {"13", "15", "17"},
       13},
      {"no rows",
       [](Json &hourly) {
         for (const char *name : {"time", "precipitation_probability", "visibility"})
           hourly[name] = Json::array();
       },
       {},
       std::nullopt},
      {"probabilities end early",
       [](Json &hourly) {
         hourly["precipitation_probability"] = firstRows(hourly["precipitation_probability"], 17);
       },
       {"13", "15"},
       13},
      {"unreadable hours make no bar",
       [](Json &hourly) {
         hourly["time"][15] = "2025-06-10 15:00";
         hourly["time"][17] = "2025-06-10T25:00";
       },
       {"13", "19", "21", "23", "01"},
       13},
      {"a null visibility at the start row",
       [](Json &hourly) { hourly["visibility"][13] = nullptr; },
       {"13", "15", "17", "19", "21", "23", "01"},
       std::nullopt},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Json answer = test::forecastAnswer();
    c.change(answer["hourly"]);
    WeatherSnapshot snapshot = fetchAnswer(answer);
    EXPECT_EQ(barLabels(snapshot), c.bars);
    EXPECT_EQ(snapshot.visibilityKm, c.visibility);
    if (c.bars.empty()) {
      EXPECT_EQ(snapshot.rainChance, 0);
    }
  }
}

TEST_F(Forecast, BarsAreFlooredAndTheFirstHighestIsThePeak) {
  struct Case {
    std::vector<int64_t> probabilities;
    std::vector<double> chances;
    double rainChance;
    std::size_t peak;
  } cases[] = {
      {{0, 3, 40}, {0.06, 0.06, 0.4}, 0.4, 2},
      {{0, 0, 0}, {0.06, 0.06, 0.06}, 0, 0},
      {{2, 5, 1}, {0.06, 0.06, 0.06}, 0.05, 0},
      {{70, 20, 70}, {0.7, 0.2, 0.7}, 0.7, 0},
  };
  for (const auto &c : cases) {
    Json answer = test::forecastAnswer();
    for (std::size_t bar = 0; bar < c.probabilities.size(); ++bar)
      answer["hourly"]["precipitation_probability"][13 + 2 * bar] = c.probabilities[bar];
    answer["hourly"]["time"] = firstRows(answer["hourly"]["time"], 18);
    WeatherSnapshot snapshot = fetchAnswer(answer);
    ASSERT_EQ(snapshot.rainHours.size(), c.chances.size());
    for (std::size_t bar = 0; bar < c.chances.size(); ++bar) {
      EXPECT_DOUBLE_EQ(snapshot.rainHours[bar].chance, c.chances[bar]) << bar;
      EXPECT_EQ(snapshot.rainHours[bar].isPeak, bar == c.peak) << bar;
    }
    EXPECT_DOUBLE_EQ(snapshot.rainChance, c.rainChance);
  }
}

TEST_F(Forecast, HourLabelsFollowTheClockFormatInTheAnswersZone) {
  // 15:00 in Tokyo is 06:00 UTC, the device's zone.
  Json answer = test::forecastAnswer();
  answer["timezone"] = "Asia/Tokyo";
  answer["hourly"]["time"] = test::hourlyTimes(
      *kit::foundation::dateFromIso8601("2025-06-10T06:00:00Z"), 13, "Asia/Tokyo");
  kit::foundation::Date now = *kit::foundation::dateFromIso8601("2025-06-10T05:30:00Z");
  useClock(12);
  EXPECT_EQ(barLabels(fetchAnswer(answer, now)),
            (std::vector<std::string>{"3", "5", "7", "9", "11", "1", "3"}));
  useClock(24);
  EXPECT_EQ(barLabels(fetchAnswer(answer, now)),
            (std::vector<std::string>{"15", "17", "19", "21", "23", "01", "03"}));
}

TEST_F(Forecast, AnUnknownZoneReadsHoursInTheDeviceZoneAndIsStillKept) {
  useClock(24);
  test::ScopedLocaleAndZone tokyo("en_US", "Asia/Tokyo");
  Json answer = test::forecastAnswer();
  answer["timezone"] = "Mars/Olympus_Mons";
  answer["hourly"]["time"] = test::hourlyTimes(
      *kit::foundation::dateFromIso8601("2025-06-10T00:00:00Z"), 24, "Asia/Tokyo");
  WeatherSnapshot snapshot = fetchAnswer(answer);
  EXPECT_EQ(snapshot.timeZoneID, "Mars/Olympus_Mons");
  // 12:00 UTC is 21:00 in Tokyo.
  ASSERT_FALSE(snapshot.rainHours.empty());
  EXPECT_EQ(snapshot.rainHours[0].label, "21");
}

TEST_F(Forecast, AnswersThatAreNoForecastThrowWhateverTheirStatus) {
  Json nullProbability = test::forecastAnswer();
  nullProbability["hourly"]["precipitation_probability"][5] = nullptr;
  Json withoutCurrent = test::forecastAnswer();
  withoutCurrent.erase("current");
  Json fractionalCode = test::forecastAnswer();
  fractionalCode["current"]["weather_code"] = 2.5;
  Json textTemperature = test::forecastAnswer();
  textTemperature["current"]["temperature_2m"] = "18";
  for (const auto &body :
       {nullProbability.dump(), withoutCurrent.dump(), fractionalCode.dump(),
        textTemperature.dump(), std::string("<html>busy</html>"), std::string()}) {
    server.serve("/v1/forecast", FakeResponse::json(body));
    EXPECT_THROW(WeatherProvider::fetch(kLondon, test::serviceEnvironment(server, home.path())),
                 DecodeError)
        << body.substr(0, 40);
  }
}

TEST_F(Forecast, AnErrorStatusWithAForecastBodyIsConverted) {
  server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump(), 503));
  EXPECT_EQ(
      WeatherProvider::fetch(kLondon, test::serviceEnvironment(server, home.path())).temperature,
      18);
}

TEST_F(Forecast, NoAnswerThrowsTheTransportError) {
  WeatherProvider::Environment unreachable{home.path(), {}, test::unreachableAddress, {}};
  EXPECT_THROW(WeatherProvider::fetch(kLondon, unreachable), HttpError);
  WeatherProvider::Environment unconfigured{home.path(), {}, std::nullopt, {}};
  try {
    WeatherProvider::fetch(kLondon, unconfigured);
    ADD_FAILURE() << "fetched without an address";
  } catch (const HttpError &error) {
    EXPECT_EQ(error.code(), HttpError::Code::serviceNotConfigured);
  }
}

TEST_F(Forecast, APlaceOffTheGlobeIsNeverAskedFor) {
  server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
  double nan = std::numeric_limits<double>::quiet_NaN();
  double inf = std::numeric_limits<double>::infinity();
  for (Place place :
       {Place{"X", nan, 0}, Place{"X", 0, inf}, Place{"X", 90.5, 0}, Place{"X", 0, -180.5}}) {
    EXPECT_THROW(WeatherProvider::fetch(place, test::serviceEnvironment(server, home.path())),
                 HttpError);
  }
  EXPECT_EQ(server.requestCount(), 0u);
}

} // namespace
} // namespace zavel
