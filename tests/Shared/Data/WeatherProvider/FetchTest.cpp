#include "Shared/Data/WeatherProvider/Fetch.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Views/ClockFormat.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/net/HttpError.h"
#include "support/ForecastFixture.h"
#include "support/Pluck.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::Json;
using test::joined;
using test::pluck;
using testsupport::FakeResponse;
using WeatherProvider::Place;
using Change = std::function<void(Json &)>;
using Hour = WeatherSnapshot::RainHour;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
const Place kLondon{"London", 51.5072, -0.1276};

kit::foundation::Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }

template <class Row> std::string labels(const std::vector<Row> &rows) {
  return joined(rows, &Row::label);
}

// The index of the one peak row; -1 for none, -2 for more than one.
template <class Row> int peak(const std::vector<Row> &rows) {
  int found = -1;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].isPeak)
      found = found == -1 ? static_cast<int>(i) : -2;
  return found;
}

// Keeps the first `count` rows of each named hourly series.
Change firstHours(std::ptrdiff_t count, std::vector<const char *> names) {
  return [=](Json &a) {
    for (const char *name : names) {
      Json &rows = a["hourly"][name];
      rows = Json(std::vector<Json>(rows.begin(), rows.begin() + count));
    }
  };
}

class Forecast : public testing::Test {
protected:
  // The forecast answer changed by `change`, fetched for London.
  WeatherSnapshot fetched(const Change &change = {}, const char *now = nullptr) {
    Json answer = test::forecastAnswer();
    if (change)
      change(answer);
    server.serve("/v1/forecast", FakeResponse::json(answer.dump()));
    auto moment = now ? at(now) : test::forecastMoment();
    return WeatherProvider::fetch(kLondon, test::serviceEnvironment(server, home.path(), moment));
  }
  void useClock(int hours) {
    ASSERT_TRUE(SharedSuite::open().set(ClockFormat::timeFormatKey, int64_t{hours}));
  }

  test::TempHome home;
  test::ScopedLocaleAndZone locale{"en_US", "UTC"};
  testsupport::FakeHttpServer server;
};

TEST_F(Forecast, AsksForOnePlaceWithTheServiceQueryInOrder) {
  server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
  WeatherProvider::fetch({"Berlin", 52.52, 13}, test::serviceEnvironment(server, home.path()));
  auto requests = server.requests("/v1/forecast");
  ASSERT_EQ(requests.size(), 1u);
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

TEST_F(Forecast, ConvertsTheCurrentConditionsAndLeavesMissingFiguresUnknown) {
  WeatherSnapshot s = fetched([](Json &a) { a["current"]["apparent_temperature"] = 16.5; });
  EXPECT_EQ(std::tuple(s.place, *s.latitude, *s.longitude, *s.timeZoneID, s.updated),
            std::tuple("London", 51.5072, -0.1276, "Europe/London", test::forecastMoment()));
  EXPECT_EQ(std::tuple(s.temperature, s.feelsLike, *s.code, s.condition, s.high, s.low),
            std::tuple(18, 17, 2, "Partly cloudy", 20, 10));
  EXPECT_EQ(std::tuple(*s.humidity, *s.windKmh, *s.pressureHpa, *s.uvIndex),
            std::tuple(62, 15, 1013, 3));

  s = fetched([](Json &a) {
    for (const char *name : {"relative_humidity_2m", "wind_speed_10m", "surface_pressure"})
      a["current"].erase(name);
    a["current"]["uv_index"] = nullptr;
    a["hourly"].erase("visibility");
  });
  EXPECT_FALSE(s.humidity || s.windKmh || s.pressureHpa || s.uvIndex || s.visibilityKm);
}

TEST_F(Forecast, RoundsHalvesAwayFromZeroAndSaturatesHugeValues) {
  std::pair<double, int64_t> cases[] = {
      {12.5, 13}, {-2.5, -3}, {12.49, 12}, {1e300, kMax}, {-1e300, kMin}, {9.3e18, kMax},
  };
  for (auto [value, expected] : cases) {
    WeatherSnapshot s = fetched([&](Json &a) {
      a["current"]["temperature_2m"] = a["current"]["wind_speed_10m"] = value;
      a["daily"]["temperature_2m_max"][0] = value;
    });
    EXPECT_EQ(std::tuple(s.temperature, *s.windKmh, s.high),
              std::tuple(expected, expected, expected));
  }
}

TEST_F(Forecast, ConditionByCodeAndDayWhereOnlyZeroIsNight) {
  struct Case {
    int64_t code, isDay;
    const char *condition;
    bool isNight;
  } cases[] = {
      {0, 1, "Clear sky", false},  {0, 0, "Clear night", true},  {1, 1, "Mostly clear", false},
      {1, 0, "Clear night", true}, {0, 2, "Clear night", false}, {0, -1, "Clear night", false},
      {48, 0, "Fog", true},        {99, 1, "Hail storm", false}, {97, 1, "\u2014", false},
      {-1, 0, "\u2014", true},     {kMin, 1, "\u2014", false},   {57, 1, "Freezing drizzle", false},
  };
  for (const auto &c : cases) {
    WeatherSnapshot s = fetched([&](Json &a) {
      a["current"]["weather_code"] = c.code;
      a["current"]["is_day"] = c.isDay;
    });
    EXPECT_EQ(std::tuple(s.condition, s.isNight), std::tuple(c.condition, c.isNight)) << c.code;
  }
}

TEST_F(Forecast, TheDaysAfterTodayWithTheFirstHighestAsPeak) {
  std::vector<WeatherSnapshot::Day> expected{
      {"Wed", 21, 11, false}, {"Thu", 22, 12, false}, {"Fri", 26, 13, true},
      {"Sat", 24, 14, false}, {"Sun", 23, 15, false}, {"Mon", 25, 16, false},
  };
  EXPECT_EQ(fetched().days, expected);
  // Rows the service's days cannot be read from are left out.
  EXPECT_EQ(labels(fetched([](Json &a) {
                     a["daily"]["time"][2] = "11/06/2025";
                     a["daily"]["time"][3] = "2025-02-30";
                   }).days),
            "Wed Sat Sun Mon");

  struct Case {
    const char *highs, *lows, *labels;
    int64_t high, low;
    int peak;
  } cases[] = {
      {"[20.5]", "[9.5]", "", 21, 10, -1},
      {"[]", "[]", "", 0, 0, -1},
      {"[1,2,3,4,5,6,7,80,90,99]", "[0,0,0,0,0,0,0,0,0,0]", "Wed Thu Fri Sat Sun Mon", 1, 0, 5},
      {"[30,25,27,27]", "[0,0,0,0]", "Wed Thu Fri", 30, 0, 1}, // a tie: the earlier day
      {"[20,21,22]", "[10,11,12,13]", "Wed Thu", 20, 10, 1},   // shorter highs end the days
      {"[20,21,22,23]", "[10,11]", "Wed", 20, 10, 0}           // and so do shorter lows
  };
  for (const auto &c : cases) {
    WeatherSnapshot s = fetched([&](Json &a) {
      Json &daily = a["daily"];
      daily["temperature_2m_max"] = Json::parse(c.highs);
      daily["temperature_2m_min"] = Json::parse(c.lows);
      daily["time"] = Json::array();
      for (std::size_t day = 0;
           day < std::max(daily["temperature_2m_max"].size(), daily["temperature_2m_min"].size());
           ++day)
        daily["time"].push_back(fmt::format("2025-06-{:02}", 10 + day));
    });
    EXPECT_EQ(std::tuple(labels(s.days), s.high, s.low, peak(s.days)),
              std::tuple(c.labels, c.high, c.low, c.peak))
        << c.highs;
  }
}

TEST_F(Forecast, ServiceDatesReadTheSameUnderAnyLocaleCalendarAndZone) {
  useClock(24);
  std::pair<const char *, const char *> cases[] = {
      {"th_TH", "พ. พฤ. ศ. ส. อา. จ. 13"}, // the Buddhist calendar
      {"ar_EG", "الأربعاء الخميس الجمعة السبت الأحد الاثنين ١٣"},
  };
  for (auto [locale, expected] : cases) {
    test::ScopedLocaleAndZone scoped(locale, "UTC");
    WeatherSnapshot s = fetched();
    EXPECT_EQ(labels(s.days) + " " + s.rainHours.at(0).label, expected);
  }
  // Chile moves its clocks from midnight to one on 2024-09-08: that day is kept.
  test::ScopedLocaleAndZone santiago("en_US", "America/Santiago");
  auto chile = [](Json &a) { a["daily"]["time"] = {"2024-09-07", "2024-09-08", "2024-09-09"}; };
  EXPECT_EQ(labels(fetched(chile).days), "Sun Mon");
}

TEST_F(Forecast, RainBarsEveryTwoHoursFromTheFirstHourNotPast) {
  useClock(24);
  WeatherSnapshot s = fetched();
  // 13:00 in London is the first hour at or after 12:00 UTC: row 13.
  EXPECT_EQ(labels(s.rainHours), "13 15 17 19 21 23 01");
  EXPECT_EQ(pluck(s.rainHours, &Hour::chance),
            (std::vector<double>{0.13, 0.15, 0.17, 0.19, 0.21, 0.23, 0.25}));
  EXPECT_EQ(std::tuple(peak(s.rainHours), s.rainChance, *s.visibilityKm), std::tuple(6, 0.25, 13));

  std::pair<const char *, const char *> starts[] = {
      {"2025-06-10T11:00:00Z", "12"},
      {"2025-06-10T11:00:01Z", "13"},
      {"2025-06-10T12:00:01Z", "14"},
      {"2025-06-30T00:00:00Z", "00"} // every hour past: row 0
  };
  for (auto [now, first] : starts) {
    s = fetched({}, now);
    EXPECT_EQ(s.rainHours.at(0).label, first) << now;
    EXPECT_EQ(s.visibilityKm, std::stoi(first)) << now;
  }
}

TEST_F(Forecast, HourlyRowsBoundTheBars) {
  useClock(24);
  const std::vector<const char *> all{"time", "precipitation_probability", "visibility"};
  struct Case {
    Change change;
    const char *bars;
    std::optional<int64_t> visibility;
  } cases[] = {
      {firstHours(18, all), "13 15 17", 13},
      {firstHours(0, all), "", std::nullopt},
      {firstHours(17, {"precipitation_probability"}), "13 15", 13},
      {[](Json &a) { a["hourly"]["time"][15] = "2025-06-10 15:00"; }, "13 17 19 21 23 01", 13},
      {[](Json &a) { a["hourly"]["visibility"][13] = nullptr; }, "13 15 17 19 21 23 01", {}},
  };
  for (const auto &c : cases) {
    WeatherSnapshot s = fetched(c.change);
    EXPECT_EQ(std::tuple(labels(s.rainHours), s.visibilityKm), std::tuple(c.bars, c.visibility));
    EXPECT_EQ(s.rainChance == 0, s.rainHours.empty()) << c.bars;
  }
}

TEST_F(Forecast, BarsAreFlooredAndTheFirstHighestIsThePeak) {
  struct Case {
    std::vector<int64_t> probabilities;
    std::vector<double> chances;
    double rainChance;
    int peak;
  } cases[] = {
      {{0, 3, 40}, {0.06, 0.06, 0.4}, 0.4, 2},
      {{0, 0, 0}, {0.06, 0.06, 0.06}, 0, 0},
      {{2, 5, 1}, {0.06, 0.06, 0.06}, 0.05, 0},
      {{70, 20, 70}, {0.7, 0.2, 0.7}, 0.7, 0},
  };
  for (const auto &c : cases) {
    WeatherSnapshot s = fetched([&](Json &a) {
      for (std::size_t bar = 0; bar < c.probabilities.size(); ++bar)
        a["hourly"]["precipitation_probability"][13 + 2 * bar] = c.probabilities[bar];
      firstHours(18, {"time"})(a);
    });
    EXPECT_EQ(pluck(s.rainHours, &Hour::chance), c.chances);
    EXPECT_EQ(std::tuple(peak(s.rainHours), s.rainChance), std::tuple(c.peak, c.rainChance));
  }
}

TEST_F(Forecast, HourLabelsFollowTheClockFormatInTheAnswersZoneElseTheDevicesZone) {
  // 15:00 in Tokyo is 06:00 UTC, the device's zone.
  auto tokyo = [](Json &a) {
    a["timezone"] = "Asia/Tokyo";
    a["hourly"]["time"] = test::hourlyTimes(at("2025-06-10T06:00:00Z"), 13, "Asia/Tokyo");
  };
  useClock(12);
  EXPECT_EQ(labels(fetched(tokyo, "2025-06-10T05:30:00Z").rainHours), "3 5 7 9 11 1 3");
  useClock(24);
  EXPECT_EQ(labels(fetched(tokyo, "2025-06-10T05:30:00Z").rainHours), "15 17 19 21 23 01 03");

  test::ScopedLocaleAndZone device("en_US", "Asia/Tokyo");
  WeatherSnapshot s = fetched([](Json &a) {
    a["timezone"] = "Mars/Olympus_Mons";
    a["hourly"]["time"] = test::hourlyTimes(at("2025-06-10T00:00:00Z"), 24, "Asia/Tokyo");
  });
  EXPECT_EQ(s.timeZoneID, "Mars/Olympus_Mons");
  EXPECT_EQ(s.rainHours.at(0).label, "21"); // 12:00 UTC is 21:00 in Tokyo
}

TEST_F(Forecast, AnswersThatAreNoForecastThrowWhateverTheirStatus) {
  Change changes[] = {
      [](Json &a) { a["hourly"]["precipitation_probability"][5] = nullptr; },
      [](Json &a) { a.erase("current"); },
      [](Json &a) { a["current"]["weather_code"] = 2.5; },
      [](Json &a) { a["current"]["temperature_2m"] = "18"; },
  };
  for (const auto &change : changes)
    EXPECT_THROW(fetched(change), kit::foundation::DecodeError);
  auto environment = test::serviceEnvironment(server, home.path());
  server.serve("/v1/forecast", FakeResponse::text("<html>busy</html>", 503));
  EXPECT_THROW(WeatherProvider::fetch(kLondon, environment), kit::foundation::DecodeError);
  // A forecast under an error status is still a forecast.
  server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump(), 503));
  EXPECT_EQ(WeatherProvider::fetch(kLondon, environment).temperature, 18);
}

TEST_F(Forecast, NoAnswerOrAPlaceOffTheGlobeThrowsTheTransportError) {
  using kit::foundation::HttpError;
  EXPECT_THROW(WeatherProvider::fetch(kLondon, {home.path(), {}, test::unreachableAddress, {}}),
               HttpError);
  try {
    WeatherProvider::fetch(kLondon, {home.path(), {}, std::nullopt, {}});
    ADD_FAILURE() << "fetched without an address";
  } catch (const HttpError &error) {
    EXPECT_EQ(error.code(), HttpError::Code::serviceNotConfigured);
  }
  server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump()));
  double nan = std::numeric_limits<double>::quiet_NaN();
  for (Place place : {Place{"X", nan, 0}, Place{"X", 0, -std::numeric_limits<double>::infinity()},
                      Place{"X", 90.5, 0}, Place{"X", 0, -180.5}})
    EXPECT_THROW(WeatherProvider::fetch(place, test::serviceEnvironment(server, home.path())),
                 HttpError);
  EXPECT_EQ(server.requestCount(), 0u);
}

} // namespace
} // namespace zavel
