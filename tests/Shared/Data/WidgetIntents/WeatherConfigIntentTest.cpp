#include "Shared/Data/WidgetIntents/WeatherConfigIntent.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Json;
namespace intents = kit::intents;

TEST(WeatherConfigIntent, OffersPlaceUnitsAndCasingWithTheirDefaults) {
  auto description = intents::describeIntent<WeatherConfigIntent>();
  EXPECT_EQ(description.typeName, "WeatherConfigIntent");
  EXPECT_EQ(description.title, "Weather Options");
  EXPECT_EQ(description.parameters,
            (std::vector<intents::ParameterDescription>{{"place", "Place", nullptr},
                                                        {"unit", "Units", "system"},
                                                        {"casing", "Casing", "followApp"}}));
}

TEST(WeatherConfigIntent, ReadsAStoredConfiguration) {
  struct Case {
    const char *json;
    WeatherConfigIntent expected;
  } cases[] = {
      {R"({})", {}},
      {R"({"place":"Oslo|59.9139|10.7522","unit":"fahrenheit","casing":"cream"})",
       {WeatherPlaceEntity{"Oslo|59.9139|10.7522"}, TempUnitOption::fahrenheit,
        CasingOption::cream}},
      {R"({"place":"not a place","unit":"kelvin"})",
       {WeatherPlaceEntity{"not a place"}, TempUnitOption::system, CasingOption::followApp}},
      {R"({"place":null,"unit":"celsius"})",
       {std::nullopt, TempUnitOption::celsius, CasingOption::followApp}},
  };
  for (const auto &c : cases) {
    auto intent = intents::decodeParameters<WeatherConfigIntent>(Json::parse(c.json));
    EXPECT_EQ(intent, c.expected) << c.json;
    EXPECT_EQ(intents::decodeParameters<WeatherConfigIntent>(intents::encodeParameters(intent)),
              intent)
        << c.json;
  }
}

TEST(WeatherConfigIntent, LocalizesByItsUnit) {
  test::ScopedLocaleAndZone us("en_US", "UTC");
  WeatherSnapshot twenty = WeatherSnapshot::sample();
  twenty.temperature = 20;
  WeatherConfigIntent intent;
  EXPECT_EQ(intent.localized(twenty).temperature, 68);
  intent.unit = TempUnitOption::celsius;
  EXPECT_EQ(intent.localized(twenty).temperature, 20);
}

} // namespace
} // namespace zavel
