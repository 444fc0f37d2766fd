#include "Shared/Data/WeatherProvider/Fetch.h"
#include "Shared/Data/WeatherProvider/WeatherCache.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Iso8601.h"
#include "kit/foundation/net/HttpError.h"
#include "support/ForecastFixture.h"
#include "support/Pluck.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <cmath>
#include <fmt/format.h>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace zavel {
namespace {

using kit::foundation::HttpError;
using kit::foundation::Json;
using testsupport::FakeResponse;
using WeatherProvider::Place;
using Change = std::function<void(Json &)>;

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
const Place kLondon{"London", 51.5072, -0.1276};
const std::string kLondonKey = "zavel.weather.cache.v15150,-12";

kit::foundation::Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }

// "Wed 21/11 Thu 22/12*": each day's high and low, the peak starred.
std::string days(const WeatherSnapshot &s) {
  std::vector<std::string> texts;
  for (const auto &day : s.days)
    texts.push_back(fmt::format("{} {}/{}{}", day.label, day.high, day.low, day.isPeak ? "*" : ""));
  return test::joined(texts);
}

// "13:6* 15:40 40% 13": each bar's chance in percent, the peak starred; the rain chance and the
// visibility in km.
std::string rain(const WeatherSnapshot &s) {
  std::string text;
  for (const auto &hour : s.rainHours)
    text +=
        fmt::format("{}:{}{} ", hour.label, std::lround(hour.chance * 100), hour.isPeak ? "*" : "");
  return text + fmt::format("{}% {}", std::lround(s.rainChance * 100),
                            s.visibilityKm ? std::to_string(*s.visibilityKm) : "-");
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

// Three bars with these probabilities.
Change threeBars(std::vector<int> probabilities) {
  return [=](Json &a) {
    for (std::size_t bar = 0; bar < probabilities.size(); ++bar)
      a["hourly"]["precipitation_probability"][13 + 2 * bar] = probabilities[bar];
    firstHours(18, {"time"})(a);
  };
}

class Forecast : public testing::Test {
protected:
  // The forecast answer changed by `change`, fetched for London.
  void serve(const Change &change = {}) {
    Json answer = test::forecastAnswer();
    if (change)
      change(answer);
    server.serve("/v1/forecast", FakeResponse::json(answer.dump()));
  }
  WeatherSnapshot fetched(const Change &change = {}, const char *now = nullptr) {
    serve(change);
    auto moment = now ? at(now) : test::forecastMoment();
    return WeatherProvider::fetch(kLondon, test::serviceEnvironment(server, home.path(), moment));
  }
  std::optional<WeatherSnapshot> snapshotOf(const Place &place) {
    serve();
    return WeatherProvider::snapshot(place, test::serviceEnvironment(server, home.path()));
  }
  void useClock(int hours) {
    ASSERT_TRUE(SharedSuite::open().set(ClockFormat::timeFormatKey, int64_t{hours}));
  }

  test::TempHome home;
  test::ScopedLocaleAndZone locale{"en_US", "UTC"};
  testsupport::FakeHttpServer server;
};

TEST_F(Forecast, AsksForOnePlaceWithTheServiceQueryInOrder) {
  serve();
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

TEST_F(Forecast, ConvertsTheCurrentConditionsRoundingAndSaturatingAndLeavesMissingOnesUnknown) {
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

  std::pair<double, int64_t> cases[] = {{-2.5, -3}, {1e300, kMax}};
  for (auto [value, expected] : cases) {
    s = fetched([value = value](Json &a) {
      a["current"]["temperature_2m"] = a["current"]["wind_speed_10m"] = value;
      a["daily"]["temperature_2m_max"][0] = value;
    });
    EXPECT_EQ(std::tuple(s.temperature, *s.windKmh, s.high),
              std::tuple(expected, expected, expected));
  }
  // The condition by code and day, where only a day flag of 0 is night.
  std::tuple<int64_t, int64_t, const char *, bool> conditions[] = {
      {1, 0, "Clear night", true},
      {0, 2, "Clear night", false},
      {kMin, 1, "\u2014", false},
  };
  for (auto [code, isDay, condition, isNight] : conditions) {
    s = fetched([code = code, isDay = isDay](Json &a) {
      a["current"].update({{"weather_code", code}, {"is_day", isDay}});
    });
    EXPECT_EQ(std::tuple(s.condition, s.isNight), std::tuple(condition, isNight)) << code;
  }
}

TEST_F(Forecast, TheDaysAfterTodayWithTheFirstHighestAsPeak) {
  EXPECT_EQ(days(fetched()), "Wed 21/11 Thu 22/12 Fri 26/13* Sat 24/14 Sun 23/15 Mon 25/16");
  // Rows the service's days cannot be read from are left out.
  EXPECT_EQ(days(fetched([](Json &a) {
              a["daily"]["time"][2] = "11/06/2025";
              a["daily"]["time"][3] = "2025-02-30";
            })),
            "Wed 21/11 Sat 24/14 Sun 23/15 Mon 25/16*");

  struct Case {
    const char *highs, *lows, *days;
    int64_t high, low;
  } cases[] = {
      {"[]", "[]", "", 0, 0},
      {"[30,25,27,27]", "[0,0,0,0]", "Wed 25/0 Thu 27/0* Fri 27/0", 30, 0},
      {"[20,21,22,23]", "[10,11]", "Wed 21/11*", 20, 10}, // shorter lows end the days
  };
  for (const auto &c : cases) {
    WeatherSnapshot s = fetched([&](Json &a) {
      Json &daily = a["daily"];
      daily["temperature_2m_max"] = Json::parse(c.highs);
      daily["temperature_2m_min"] = Json::parse(c.lows);
      daily["time"] = Json::array();
      for (int day = 0; day < 8; ++day)
        daily["time"].push_back(fmt::format("2025-06-{:02}", 10 + day));
    });
    EXPECT_EQ(std::tuple(days(s), s.high, s.low), std::tuple(c.days, c.high, c.low)) << c.highs;
  }
}

TEST_F(Forecast, RainBarsEveryTwoHoursFromTheFirstHourNotPastFlooredWithTheFirstHighestAsPeak) {
  useClock(24);
  const std::vector<const char *> all{"time", "precipitation_probability", "visibility"};
  std::pair<Change, const char *> cases[] = {
      // 13:00 in London is the first hour at or after 12:00 UTC: row 13.
      {{}, "13:13 15:15 17:17 19:19 21:21 23:23 01:25* 25% 13"},
      {firstHours(0, all), "0% -"},
      {firstHours(17, {"precipitation_probability"}), "13:13 15:15* 15% 13"},
      {[](Json &a) { a["hourly"]["time"][15] = "2025-06-10 15:00"; },
       "13:13 17:17 19:19 21:21 23:23 01:25* 25% 13"},
      {threeBars({0, 0, 0}), "13:6* 15:6 17:6 0% 13"},
      {threeBars({70, 20, 70}), "13:70* 15:20 17:70 70% 13"},
  };
  for (const auto &[change, expected] : cases)
    EXPECT_EQ(rain(fetched(change)), expected);

  std::pair<const char *, const char *> starts[] = {
      {"2025-06-10T11:00:00Z", "12"},
      {"2025-06-10T11:00:01Z", "13"},
      {"2025-06-30T00:00:00Z", "00"} // every hour past: row 0
  };
  for (auto [now, first] : starts) {
    WeatherSnapshot s = fetched({}, now);
    EXPECT_EQ(std::tuple(s.rainHours.at(0).label, *s.visibilityKm),
              std::tuple(first, std::stoi(first)))
        << now;
  }
}

TEST_F(Forecast, HourLabelsFollowTheClockFormatInTheAnswersZone) {
  // 15:00 in Tokyo is 06:00 UTC, the device's zone.
  auto tokyo = [](Json &a) {
    a["timezone"] = "Asia/Tokyo";
    a["hourly"]["time"] = test::hourlyTimes(at("2025-06-10T06:00:00Z"), 13, "Asia/Tokyo");
  };
  useClock(12);
  EXPECT_EQ(rain(fetched(tokyo, "2025-06-10T05:30:00Z")).substr(0, 20), "3:6 5:6 7:6 9:6 11:8");
  useClock(24);
  // An unknown zone reads the hours in the device's.
  test::ScopedLocaleAndZone device("en_US", "Asia/Tokyo");
  WeatherSnapshot s = fetched([](Json &a) {
    a["timezone"] = "Mars/Olympus_Mons";
    a["hourly"]["time"] = test::hourlyTimes(at("2025-06-10T00:00:00Z"), 24, "Asia/Tokyo");
  });
  EXPECT_EQ(std::tuple(*s.timeZoneID, s.rainHours.at(0).label),
            std::tuple("Mars/Olympus_Mons", "21"));
  // Chile moves its clocks from midnight to one on 2024-09-08: that day is kept.
  test::ScopedLocaleAndZone santiago("en_US", "America/Santiago");
  auto chile = [](Json &a) { a["daily"]["time"] = {"2024-09-07", "2024-09-08", "2024-09-09"}; };
  EXPECT_EQ(days(fetched(chile)), "Sun 21/11 Mon 22/12*");
}

TEST_F(Forecast, AnswersThatAreNoForecastOrNoAnswerOrAPlaceOffTheGlobeThrow) {
  EXPECT_THROW(fetched([](Json &a) { a["current"]["temperature_2m"] = "18"; }),
               kit::foundation::DecodeError);
  auto environment = test::serviceEnvironment(server, home.path());
  server.serve("/v1/forecast", FakeResponse::text("<html>busy</html>", 503));
  EXPECT_THROW(WeatherProvider::fetch(kLondon, environment), kit::foundation::DecodeError);
  // A forecast under an error status is still a forecast.
  server.serve("/v1/forecast", FakeResponse::json(test::forecastAnswer().dump(), 503));
  EXPECT_EQ(WeatherProvider::fetch(kLondon, environment).temperature, 18);

  server.clearRecords();
  double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(WeatherProvider::fetch(Place{"X", nan, 0}, environment), HttpError);
  EXPECT_EQ(server.requestCount(), 0u);
  try {
    WeatherProvider::fetch(kLondon, {home.path(), {}, std::nullopt, {}});
    ADD_FAILURE() << "fetched without an address";
  } catch (const HttpError &error) {
    EXPECT_EQ(error.code(), HttpError::Code::serviceNotConfigured);
  }
}

// A snapshot of London (at 5°) stored `age` seconds before the test moment, for `placeKey`.
void storeLondon(double age, const std::string &placeKey = "5150,-12") {
  WeatherSnapshot snapshot = WeatherSnapshot::sample();
  snapshot.temperature = 5;
  snapshot.updated = test::forecastMoment().addingTimeInterval(-age);
  Json entry{{"placeKey", placeKey}, {"snapshot", kit::foundation::encodeJson(snapshot)}};
  ASSERT_TRUE(SharedSuite::writeData(kLondonKey, entry.dump()));
}

using WeatherCache = Forecast;

TEST_F(WeatherCache, KeysAreTheCoordinatesInHundredthsCutTowardZeroAndNoneOffTheGlobe) {
  std::vector<std::string> written;
  kit::foundation::DefaultsWriteObserver observer(
      [&](std::string_view, std::string_view key) { written.emplace_back(key); });
  double nan = std::numeric_limits<double>::quiet_NaN();
  std::tuple<double, double, std::optional<std::string>> cases[] = {
      {51.5031, -0.1202, kLondonKey},
      {-0.004, 12.349, "zavel.weather.cache.v10,1234"},
      {nan, 0, std::nullopt},
      {0, 180.01, std::nullopt},
  };
  for (const auto &[latitude, longitude, key] : cases) {
    Place place{"P", latitude, longitude};
    EXPECT_EQ(WeatherProvider::cacheKey(place), key) << latitude << ", " << longitude;
    if (!key) { // no weather at all, and nothing asked or written
      EXPECT_EQ(snapshotOf(place), std::nullopt);
      EXPECT_EQ(WeatherProvider::cached(place), std::nullopt);
    }
  }
  EXPECT_EQ(server.requestCount(), 0u);
  EXPECT_EQ(written, std::vector<std::string>{});
}

TEST_F(WeatherCache, AStoredSnapshotIsServedWhileFreshAndAFetchedOneStoredForNearbyPlaces) {
  for (auto [age, fetches] : {std::pair(1499.0, false), {-86400.0, false}, {1500.0, true}}) {
    server.clearRecords();
    storeLondon(age);
    auto snapshot = snapshotOf(kLondon);
    ASSERT_TRUE(snapshot) << age;
    EXPECT_EQ(std::tuple(server.requestCount(), snapshot->temperature),
              std::tuple(fetches ? 1u : 0u, fetches ? 18 : 5))
        << age;
  }
  auto fetched = WeatherProvider::cached(kLondon);
  EXPECT_EQ(std::tuple(fetched->place, fetched->temperature), std::tuple("London", 18));
  server.clearRecords();
  EXPECT_EQ(snapshotOf(Place{"Westminster", 51.5031, -0.1202}), fetched);
  EXPECT_EQ(server.requestCount(), 0u);
}

TEST_F(WeatherCache, AFailedFetchFallsBackToTheStoredSnapshotOfAnyAge) {
  server.serve("/v1/forecast", FakeResponse::text("<html>down</html>", 502, "text/html"));
  auto environment = test::serviceEnvironment(server, home.path());
  EXPECT_EQ(WeatherProvider::snapshot(kLondon, environment), std::nullopt);
  storeLondon(2 * 86400);
  EXPECT_EQ(WeatherProvider::snapshot(kLondon, environment)->temperature, 5);
}

TEST_F(WeatherCache, AForeignOrDamagedEntryReadsAsNoneAndIsReplaced) {
  std::function<void()> writes[] = {
      [] { storeLondon(0, "5150,-13"); }, // written for other coordinates
      [] { SharedSuite::open().set(kLondonKey, std::string("5150,-12")); },
  };
  for (const auto &write : writes) {
    server.clearRecords();
    write();
    EXPECT_EQ(WeatherProvider::cached(kLondon), std::nullopt);
    auto snapshot = snapshotOf(kLondon);
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(server.requestCount(), 1u);
    EXPECT_EQ(WeatherProvider::cached(kLondon), snapshot);
  }
}

} // namespace
} // namespace zavel
