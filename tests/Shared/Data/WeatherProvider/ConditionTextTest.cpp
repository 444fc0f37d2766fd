#include "Shared/Data/WeatherProvider/ConditionText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace zavel {
namespace {

TEST(ConditionText, EachCodeByDayAndByNight) {
  struct Row {
    std::vector<int64_t> codes;
    const char *day;
    const char *night;
  } rows[] = {
      {{0}, "Clear sky", "Clear night"},
      {{1}, "Mostly clear", "Clear night"},
      {{2}, "Partly cloudy", "Partly cloudy"},
      {{3}, "Overcast", "Overcast"},
      {{45, 48}, "Fog", "Fog"},
      {{51, 53, 55}, "Drizzle", "Drizzle"},
      {{56, 57}, "Freezing drizzle", "Freezing drizzle"},
      {{61, 63, 65}, "Rain", "Rain"},
      {{66, 67}, "Freezing rain", "Freezing rain"},
      {{71, 73, 75, 77}, "Snow", "Snow"},
      {{80, 81, 82}, "Showers", "Showers"},
      {{85, 86}, "Snow showers", "Snow showers"},
      {{95}, "Thunderstorm", "Thunderstorm"},
      {{96, 99}, "Hail storm", "Hail storm"},
      {{-1, 4, 44, 46, 50, 52, 97, 98, 100, std::numeric_limits<int64_t>::min(),
        std::numeric_limits<int64_t>::max()},
       "\u2014",
       "\u2014"},
  };
  for (const auto &row : rows)
    for (int64_t code : row.codes) {
      EXPECT_EQ(WeatherProvider::conditionText(code, true), row.day) << code;
      EXPECT_EQ(WeatherProvider::conditionText(code, false), row.night) << code;
    }
}

} // namespace
} // namespace zavel
