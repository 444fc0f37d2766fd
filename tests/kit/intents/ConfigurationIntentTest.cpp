#include "kit/intents/TestIntents.h"

#include "kit/foundation/Iso8601.h"
#include "kit/intents/IntentCoding.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kit::intents {
namespace {

using foundation::Date;
using foundation::DecodeError;
using foundation::Json;
using testing::BrewConfigIntent;

static_assert(WidgetConfigurationIntent<BrewConfigIntent>);
static_assert(!AppIntent<BrewConfigIntent>);

Date isoDate(const char *text) { return *foundation::dateFromIso8601(text); }

TEST(ConfigurationIntent, ValuesThatNameNothingOrNullKeepTheDefaultOrClearAnOption) {
  struct Case {
    const char *name, *json, *changedFromDefaults;
  } cases[] = {
      {"unknown or miscased raw values", R"({"roast": "Dark", "spareRoast": "burnt"})", "{}"},
      {"null clears an option", R"({"spareRoast": null})", R"({"spareRoast": null})"},
      {"null keeps a plain parameter's default", R"({"cups": null})", "{}"},
      {"an id the query refuses keeps the default", R"({"cafe": "!Oslo/Closed"})", "{}"},
      {"an id the query takes, unchecked", R"({"cafe": "Nowhere"})", R"({"cafe": "Nowhere"})"},
  };
  for (const auto &c : cases) {
    Json expected = foundation::encodeJson(BrewConfigIntent{});
    expected.update(Json::parse(c.changedFromDefaults));
    EXPECT_EQ(foundation::encodeJson(decodeParameters<BrewConfigIntent>(Json::parse(c.json))),
              expected)
        << c.name;
  }
}

TEST(ConfigurationIntent, ValuesOfTheWrongFormAreRefusedNamingTheParameter) {
  struct Case {
    const char *json;
    const char *parameter;
  };
  const Case cases[] = {
      {R"({"cups": 2.5})", "cups"},
      {R"({"cups": 9223372036854775808})", "cups"},
      {R"({"start": "2025-02-30T10:00:00Z"})", "start"},
      {R"({"roast": 2})", "roast"},
      {R"({"cafe": {"id": "Oslo/Fuglen"}})", "cafe"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.json);
    try {
      decodeParameters<BrewConfigIntent>(Json::parse(c.json));
      ADD_FAILURE() << "accepted";
    } catch (const DecodeError &error) {
      EXPECT_NE(std::string(error.what()).find(std::string("\"") + c.parameter + "\""),
                std::string::npos)
          << error.what();
    }
  }
  EXPECT_THROW(decodeParameters<BrewConfigIntent>(Json::array()), DecodeError);
}

// Each parameter read from its member, then written back in the stored form: dates in UTC with
// milliseconds between seconds, options as raw values, entities as ids, an absent option null.
TEST(ConfigurationIntent, EachParameterReadsFromItsMemberAndWritesBackTheSame) {
  BrewConfigIntent intent = decodeParameters<BrewConfigIntent>(Json::parse(R"({
      "label": "Ünïcode", "cups": -4.0, "strength": 1, "decaf": true,
      "start": "2025-03-01T09:30:00.250+01:00", "roast": "light", "spareRoast": null,
      "cafe": "Lisbon/Fábrica", "unknown": [1, 2]})"));
  EXPECT_EQ(intent.start, isoDate("2025-03-01T08:30:00.250Z"));
  Json written = Json::parse(R"({"label": "Ünïcode", "cups": -4, "strength": 1.0, "decaf": true,
      "start": "2025-03-01T08:30:00.250Z", "roast": "light", "spareRoast": null,
      "cafe": "Lisbon/Fábrica"})");
  EXPECT_EQ(foundation::encodeJson(intent), written);
  EXPECT_EQ(foundation::encodeJson(decodeParameters<BrewConfigIntent>(written)), written);
}

// What a configuration screen offers for each parameter: an enum's raw values (an optional one's
// too), the values a text lists, the type of the entity it picks, and whether it takes integers
// (a boolean or a double does not).
TEST(ConfigurationIntent, DescribesEachParametersChoicesEntityTypeAndIntegers) {
  const std::vector<std::string> roasts{"light", "medium", "dark"};
  const std::vector<std::pair<std::string, ParameterDescription>> expected{
      {"label", {"label", "Label", "Morning"}},
      {"cups", {"cups", "Cups", 2, {}, {}, true}},
      {"strength", {"strength", "Strength", 0.5}},
      {"decaf", {"decaf", "Decaf", false}},
      {"start", {"start", "Start", nullptr}},
      {"roast", {"roast", "Roast", "medium", roasts}},
      {"spareRoast", {"spareRoast", "Spare roast", "dark", roasts}},
      {"cafe", {"cafe", "Café", nullptr, {}, "CafeEntity"}},
  };
  auto described = describeIntent<BrewConfigIntent>().parameters;
  for (const auto &[name, parameter] : expected) {
    auto found = std::find_if(described.begin(), described.end(),
                              [&](const ParameterDescription &p) { return p.name == name; });
    ASSERT_NE(found, described.end()) << name;
    EXPECT_EQ(*found, parameter) << name;
  }
  EXPECT_EQ(describeIntent<testing::PourIntent>().parameters.at(1).choices,
            (std::vector<std::string>{"espresso", "lungo", "cold brew"}));
}

} // namespace
} // namespace kit::intents
