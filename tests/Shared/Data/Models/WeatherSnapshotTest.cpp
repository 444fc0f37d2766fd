#include "Shared/Data/Models/WeatherSnapshot.h"

#include "support/RecordForm.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kit::foundation;
using zavel::WeatherSnapshot;

namespace {

WeatherSnapshot oslo() {
  WeatherSnapshot oslo = WeatherSnapshot::sample();
  std::tie(oslo.place, oslo.temperature, oslo.condition, oslo.high, oslo.low, oslo.feelsLike,
           oslo.isNight) = std::tuple("Oslo", 7, "Light rain", 8, -2, 5, true);
  oslo.days = {{"Sat", 7, 1, true}, {"Sun", 5, 0, false}};
  oslo.rainChance = 0.8;
  oslo.rainHours = {{"21", 0.8, true}, {"23", 0.06, false}};
  oslo.updated = Date{760521600.5};
  std::tie(oslo.code, oslo.windKmh, oslo.humidity, oslo.uvIndex) = std::tuple(61, 18, 91, 0);
  std::tie(oslo.visibilityKm, oslo.pressureHpa) = std::tuple(6, 998);
  std::tie(oslo.latitude, oslo.longitude, oslo.timeZoneID) =
      std::tuple(59.9139, 10.7522, "Europe/Oslo");
  return oslo;
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

TEST(WeatherSnapshot, FahrenheitConvertsTemperaturesOnlyRoundingAndSaturating) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  // Rounding, and saturation at both ends; the full record below proves every field converts.
  std::pair<int64_t, int64_t> cases[] = {{21, 70}, {-18, 0}, {kMax, kMax}, {kMin, kMin}};
  for (auto [celsius, fahrenheit] : cases) {
    WeatherSnapshot snapshot = oslo();
    snapshot.temperature = celsius;
    EXPECT_EQ(snapshot.inFahrenheit().temperature, fahrenheit) << celsius;
  }
  // Saturday's 7 and 1 are 44.6 and 33.8; everything but temperatures stays.
  WeatherSnapshot expected = oslo();
  std::tie(expected.temperature, expected.high, expected.low, expected.feelsLike) =
      std::tuple(45, 46, 28, 41);
  expected.days = {{"Sat", 45, 34, true}, {"Sun", 41, 32, false}};
  EXPECT_EQ(oslo().inFahrenheit(), expected);
}

TEST(WeatherSnapshot, PlaceTimeZoneFallsBackToTheCurrentZone) {
  zavel::test::ScopedLocaleAndZone scoped("en_GB", "Asia/Tokyo");
  std::pair<std::optional<std::string>, const char *> cases[] = {
      {"America/Argentina/Buenos_Aires", "America/Argentina/Buenos_Aires"},
      {std::nullopt, "Asia/Tokyo"},
      {"Mars/Olympus_Mons", "Asia/Tokyo"}};
  for (const auto &[id, zone] : cases) {
    WeatherSnapshot snapshot = oslo();
    snapshot.timeZoneID = id;
    EXPECT_EQ(snapshot.placeTimeZone().identifier(), zone) << id.value_or("(none)");
  }
}
