#include "Shared/Data/Models/WeatherSnapshot.h"

#include "kit/foundation/Clock.h"
#include "support/BuiltOnce.h"
#include "support/RecordForm.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using zavel::WeatherSnapshot;

namespace {

WeatherSnapshot oslo() {
  WeatherSnapshot snapshot;
  snapshot.place = "Oslo";
  snapshot.temperature = 7;
  snapshot.condition = "Light rain";
  snapshot.high = 8;
  snapshot.low = -2;
  snapshot.feelsLike = 5;
  snapshot.isNight = true;
  snapshot.days = {{"Sat", 7, 1, true}, {"Sun", 5, 0, false}};
  snapshot.rainChance = 0.8;
  snapshot.rainHours = {{"21", 0.8, true}, {"23", 0.06, false}};
  snapshot.updated = Date{760521600.5};
  snapshot.code = 61;
  snapshot.windKmh = 18;
  snapshot.humidity = 91;
  snapshot.uvIndex = 0;
  snapshot.visibilityKm = 6;
  snapshot.pressureHpa = 998;
  snapshot.latitude = 59.9139;
  snapshot.longitude = 10.7522;
  snapshot.timeZoneID = "Europe/Oslo";
  return snapshot;
}

} // namespace

TEST(WeatherSnapshot, JsonFormAsTheHostWritesIt) {
  zavel::test::expectJsonForm<WeatherSnapshot>(
      R"({"place":"Oslo","temperature":7,"condition":"Light rain","high":8,"low":-2,
          "feelsLike":5,"isNight":true,
          "days":[{"label":"Sat","high":7,"low":1,"isPeak":true},
                  {"label":"Sun","high":5,"low":0,"isPeak":false}],
          "rainChance":0.8,
          "rainHours":[{"label":"21","chance":0.8,"isPeak":true},
                       {"label":"23","chance":0.06,"isPeak":false}],
          "updated":760521600.5,"code":61,"windKmh":18,"humidity":91,"uvIndex":0,
          "visibilityKm":6,"pressureHpa":998,"latitude":59.9139,"longitude":10.7522,
          "timeZoneID":"Europe/Oslo"})",
      oslo(),
      {"code", "windKmh", "humidity", "uvIndex", "visibilityKm", "pressureHpa", "latitude",
       "longitude", "timeZoneID"});
}

TEST(WeatherSnapshot, OptionalMembersWithoutValueAreLeftOut) {
  WeatherSnapshot bare = oslo();
  bare.code = bare.windKmh = bare.humidity = bare.uvIndex = bare.visibilityKm = bare.pressureHpa =
      std::nullopt;
  bare.latitude = bare.longitude = std::nullopt;
  bare.timeZoneID = std::nullopt;
  auto json = *parseJson(*encodeJsonData(bare));
  EXPECT_EQ(json.size(), 11u);
  EXPECT_FALSE(json.contains("windKmh"));
  EXPECT_EQ(decodeJsonData<WeatherSnapshot>(json.dump()), bare);
}

TEST(WeatherSnapshot, BadNestedDayOrBarMakesTheSnapshotUnreadable) {
  auto json = *parseJson(*encodeJsonData(oslo()));
  struct Case {
    const char *pointer;
    Json value;
  } cases[] = {
      {"/days/1/high", 2.5},  {"/days/0/isPeak", 0},     {"/rainHours/1/chance", "0.5"},
      {"/temperature", 1e19}, {"/updated", "760521600"}, {"/days/0/label", nullptr},
  };
  for (const auto &c : cases) {
    Json broken = json;
    broken[Json::json_pointer(c.pointer)] = c.value;
    EXPECT_FALSE(decodeJsonData<WeatherSnapshot>(broken.dump())) << c.pointer;
  }
  Json withoutLow = json;
  withoutLow["days"][1].erase("low");
  EXPECT_FALSE(decodeJsonData<WeatherSnapshot>(withoutLow.dump()));
}

TEST(WeatherSnapshot, FahrenheitConvertsTemperaturesOnly) {
  struct Case {
    int64_t celsius;
    int64_t fahrenheit;
  } cases[] = {
      {0, 32},
      {-40, -40},
      {21, 70},  // 69.8
      {-18, 0},  // -0.4
      {-15, 5},  // exactly 5
      {37, 99},  // 98.6
      {-20, -4}, // exactly -4
      {std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::max()},
      {std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::min()},
  };
  for (const auto &c : cases) {
    WeatherSnapshot snapshot = oslo();
    snapshot.temperature = snapshot.high = snapshot.low = snapshot.feelsLike = c.celsius;
    snapshot.days[1].high = snapshot.days[1].low = c.celsius;
    auto converted = snapshot.inFahrenheit();
    EXPECT_EQ(converted.temperature, c.fahrenheit) << c.celsius;
    EXPECT_EQ(converted.high, c.fahrenheit);
    EXPECT_EQ(converted.low, c.fahrenheit);
    EXPECT_EQ(converted.feelsLike, c.fahrenheit);
    EXPECT_EQ(converted.days[1].high, c.fahrenheit);
    EXPECT_EQ(converted.days[1].low, c.fahrenheit);
  }

  // Saturday's 7 and 1 are 44.6 and 33.8; everything but temperatures stays.
  auto source = oslo();
  auto converted = source.inFahrenheit();
  EXPECT_EQ(converted.days[0], (WeatherSnapshot::Day{"Sat", 45, 34, true}));
  EXPECT_EQ(converted.rainHours, source.rainHours);
  EXPECT_EQ(converted.rainChance, source.rainChance);
  EXPECT_EQ(converted.windKmh, 18);
  EXPECT_EQ(converted.visibilityKm, 6);
  EXPECT_EQ(converted.pressureHpa, 998);
  EXPECT_EQ(converted.place, "Oslo");
  EXPECT_EQ(converted.updated, source.updated);

  WeatherSnapshot noDays = oslo();
  noDays.days.clear();
  EXPECT_TRUE(noDays.inFahrenheit().days.empty());
}

TEST(WeatherSnapshot, PlaceTimeZoneFallsBackToTheCurrentZone) {
  zavel::test::ScopedLocaleAndZone scoped("en_GB", "Asia/Tokyo");
  struct Case {
    std::optional<std::string> id;
    const char *expected;
  } cases[] = {
      {"Europe/London", "Europe/London"},
      {"America/Argentina/Buenos_Aires", "America/Argentina/Buenos_Aires"},
      {std::nullopt, "Asia/Tokyo"},
      {"Mars/Olympus_Mons", "Asia/Tokyo"},
      {"", "Asia/Tokyo"},
  };
  for (const auto &c : cases) {
    WeatherSnapshot snapshot = oslo();
    snapshot.timeZoneID = c.id;
    EXPECT_EQ(snapshot.placeTimeZone().identifier(), c.expected) << c.id.value_or("(none)");
  }
}

TEST(WeatherSnapshot, SampleIsTheLondonSnapshotBuiltOnce) {
  zavel::test::expectBuiltOnceAndShared(WeatherSnapshot::sample);
  const auto &sample = WeatherSnapshot::sample();
  // Built during this process, at its first use.
  EXPECT_LE(sample.updated, systemNow());
  EXPECT_GT(sample.updated, systemNow().addingTimeInterval(-3600));

  auto json = *parseJson(*encodeJsonData(sample));
  json.erase("updated");
  EXPECT_EQ(json, Json::parse(R"({"place":"London","temperature":23,"condition":"Partly cloudy",
      "high":27,"low":18,"feelsLike":25,"isNight":false,
      "days":[{"label":"Thu","high":26,"low":17,"isPeak":false},
              {"label":"Fri","high":28,"low":19,"isPeak":false},
              {"label":"Sat","high":31,"low":21,"isPeak":true},
              {"label":"Sun","high":27,"low":18,"isPeak":false},
              {"label":"Mon","high":24,"low":16,"isPeak":false},
              {"label":"Tue","high":22,"low":15,"isPeak":false}],
      "rainChance":0.4,
      "rainHours":[{"label":"17","chance":0.25,"isPeak":false},
                   {"label":"19","chance":0.375,"isPeak":false},
                   {"label":"21","chance":0.625,"isPeak":false},
                   {"label":"23","chance":1.0,"isPeak":true},
                   {"label":"01","chance":0.75,"isPeak":false},
                   {"label":"03","chance":0.375,"isPeak":false},
                   {"label":"05","chance":0.125,"isPeak":false}],
      "code":2,"windKmh":14,"humidity":62,"uvIndex":3,"visibilityKm":9,"pressureHpa":1013,
      "latitude":51.5072,"longitude":-0.1276,"timeZoneID":"Europe/London"})"));
  EXPECT_EQ(decodeJsonData<WeatherSnapshot>(*encodeJsonData(sample)), sample);
}
