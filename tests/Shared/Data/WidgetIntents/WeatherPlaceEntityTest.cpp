#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

#include <gtest/gtest.h>
#include <string>

namespace zavel {
namespace {

using WeatherProvider::Place;

const Place kLondon{"London", 51.5072, -0.1276};

TEST(WeatherPlaceEntity, APlaceRoundTripsThroughItsId) {
  struct Case {
    Place place;
    const char *id;
  } cases[] = {
      {{"Berlin", 52.52, 13}, "Berlin|52.52|13.0"},
      {{"London", 51.5072, -0.1276}, "London|51.5072|-0.1276"},
      {{"Lisbon, PT", 38.7223, -9.1393}, "Lisbon, PT|38.7223|-9.1393"},
      {{"Null Island", 0, -0.0}, "Null Island|0.0|-0.0"},
      {{"Pole", -90, 180}, "Pole|-90.0|180.0"},
      {{"Tiny", 1e-7, 0.1 + 0.2}, "Tiny|1e-07|0.30000000000000004"},
  };
  for (const auto &c : cases) {
    WeatherPlaceEntity entity = WeatherPlaceEntity::of(c.place);
    EXPECT_EQ(entity.id, c.id);
    EXPECT_EQ(entity.place(), c.place) << c.id;
    EXPECT_EQ(entity.displayRepresentation().title, c.place.name);
  }
}

TEST(WeatherPlaceEntity, IdsAreReadPieceByPiece) {
  struct Case {
    const char *id;
    Place place;
  } cases[] = {
      {"Kyoto|35.0116|135.7681", {"Kyoto", 35.0116, 135.7681}},
      {"Kyoto||35.0116|135.7681|", {"Kyoto", 35.0116, 135.7681}}, // empty pieces dropped
      {"Kyoto|+35|1e2", {"Kyoto", 35, 100}},
      // Anything else is the fallback place.
      {"Kyoto|35.0116", kLondon},
      {"Kyo|to|35.0116|135.7681", kLondon},
      {"|35.0116|135.7681", kLondon},
      {"Kyoto|north|135.7681", kLondon},
      {"Kyoto| 35.0116|135.7681", kLondon},
      {"Kyoto|35.0116|135.7681 ", kLondon},
      {"Kyoto|35,0116|135.7681", kLondon},
      {"", kLondon},
      {"|||", kLondon},
      // Coordinates that are not on the globe.
      {"Kyoto|nan|135.7681", kLondon},
      {"Kyoto|35.0116|inf", kLondon},
      {"Kyoto|1e999|135.7681", kLondon},
      {"Kyoto|90.5|135.7681", kLondon},
      {"Kyoto|35.0116|-180.5", kLondon},
  };
  for (const auto &c : cases) {
    WeatherPlaceEntity entity{c.id};
    EXPECT_EQ(entity.place(), c.place) << c.id;
    EXPECT_EQ(entity.displayRepresentation().title, c.place.name) << c.id;
  }
}

} // namespace
} // namespace zavel
