#include "Shared/Data/WidgetIntents/WeatherPlaceEntity.h"

#include <gtest/gtest.h>
#include <string>

namespace zavel {
namespace {

using WeatherProvider::Place;

TEST(WeatherPlaceEntity, APlaceRoundTripsThroughItsId) {
  const std::pair<Place, const char *> cases[] = {
      {{"Null Island", 0, -0.0}, "Null Island|0.0|-0.0"},
      {{"Tiny", 1e-7, 0.1 + 0.2}, "Tiny|1e-07|0.30000000000000004"},
  };
  for (const auto &[place, id] : cases) {
    EXPECT_EQ(WeatherPlaceEntity::of(place).id, id);
    EXPECT_EQ(WeatherPlaceEntity{id}.place(), place) << id;
  }
}

TEST(WeatherPlaceEntity, IdsAreReadPieceByPieceElseGiveTheFallbackPlace) {
  const Place kyoto{"Kyoto", 35.0116, 135.7681}, london{"London", 51.5072, -0.1276};
  const std::pair<const char *, Place> cases[] = {
      {"Kyoto||35.0116|135.7681|", kyoto}, // empty pieces dropped
      {"Kyoto|+35|1e2", {"Kyoto", 35, 100}}, {"Kyoto|35.0116", london},
      {"Kyo|to|35.0116|135.7681", london},   {"Kyoto|nan|135.7681", london},
      {"Kyoto|90.5|135.7681", london},
  };
  for (const auto &[id, place] : cases) {
    EXPECT_EQ(WeatherPlaceEntity{id}.place(), place) << id;
    EXPECT_EQ(WeatherPlaceEntity{id}.displayRepresentation().title, place.name) << id;
  }
}

} // namespace
} // namespace zavel
