#include "Shared/Data/WidgetIntents/CasingConfigIntent.h"

#include <gtest/gtest.h>

using kit::foundation::DecodeError;
using kit::foundation::Json;
using zavel::CasingConfigIntent;
using zavel::CasingOption;
namespace intents = kit::intents;

namespace {

TEST(CasingOption, CasesInOrderWithTheirRawValuesAndNames) {
  EXPECT_EQ(intents::typeDisplayRepresentation<CasingOption>(), "Casing");
  EXPECT_EQ(intents::allCases<CasingOption>(),
            (std::vector{CasingOption::followApp, CasingOption::graphite, CasingOption::cream}));
  const struct {
    CasingOption option;
    std::string_view raw;
    std::string_view name;
  } cases[] = {{CasingOption::followApp, "followApp", "Follow app setting"},
               {CasingOption::graphite, "graphite", "Graphite"},
               {CasingOption::cream, "cream", "Cream"}};
  for (const auto &c : cases) {
    EXPECT_EQ(intents::rawValue(c.option), c.raw);
    EXPECT_EQ(intents::displayName(c.option), c.name);
    EXPECT_EQ(intents::fromRawValue<CasingOption>(c.raw), c.option);
  }
  for (const char *raw : {"Cream", "CREAM", "followapp", "Follow app setting", ""})
    EXPECT_EQ(intents::fromRawValue<CasingOption>(raw), std::nullopt) << raw;
}

TEST(CasingConfigIntent, OffersOnlyTheCasingFollowingTheAppByDefault) {
  auto description = intents::describeIntent<CasingConfigIntent>();
  EXPECT_EQ(description.title, "Widget Options");
  EXPECT_EQ(description.parameters,
            (std::vector<intents::ParameterDescription>{{"casing", "Casing", "followApp"}}));
}

TEST(CasingConfigIntent, ReadsTheCasingAndKeepsTheDefaultForAnUnknownOne) {
  const struct {
    const char *json;
    CasingOption casing;
  } cases[] = {
      {R"({})", CasingOption::followApp},
      {R"({"casing":"cream"})", CasingOption::cream},
      {R"({"casing":"graphite","other":1})", CasingOption::graphite},
      {R"({"casing":"Cream"})", CasingOption::followApp},
      {R"({"casing":null})", CasingOption::followApp},
  };
  for (const auto &c : cases)
    EXPECT_EQ(intents::decodeParameters<CasingConfigIntent>(Json::parse(c.json)).casing, c.casing)
        << c.json;
  EXPECT_THROW(intents::decodeParameters<CasingConfigIntent>(Json::parse(R"({"casing":3})")),
               DecodeError);
  EXPECT_EQ(intents::encodeParameters(CasingConfigIntent{CasingOption::cream}),
            Json::parse(R"({"casing":"cream"})"));
}

} // namespace
