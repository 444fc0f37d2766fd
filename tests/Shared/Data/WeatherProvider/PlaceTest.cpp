#include "Shared/Data/WeatherProvider/Place.h"

#include "support/RecordForm.h"

#include <functional>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using WeatherProvider::Place;

TEST(WeatherPlace, JsonFormHasThreeRequiredMembers) {
  test::expectJsonForm(R"({"name":"Lisbon, PT","latitude":38.7223,"longitude":-9.1393})",
                       Place{"Lisbon, PT", 38.7223, -9.1393}, {});
}

TEST(WeatherPlace, HashFollowsEquality) {
  std::hash<Place> hash;
  EXPECT_EQ(hash(Place{"Kyoto", 35.0116, 135.7681}), hash(Place{"Kyoto", 35.0116, 135.7681}));
  EXPECT_EQ(hash(Place{"Equator", 0.0, 10}), hash(Place{"Equator", -0.0, 10}));
  EXPECT_NE(hash(Place{"Kyoto", 35.0116, 135.7681}), hash(Place{"Kyoto", 135.7681, 35.0116}));
}

} // namespace
} // namespace zavel
