#include "kit/intents/TestIntents.h"

#include "kit/foundation/Iso8601.h"
#include "kit/intents/IntentCoding.h"

#include <gtest/gtest.h>

namespace kit::intents {
namespace {

using foundation::Date;
using foundation::DecodeError;
using foundation::Json;
using testing::BrewConfigIntent;
using testing::CafeEntity;
using testing::Roast;

static_assert(WidgetConfigurationIntent<BrewConfigIntent>);
static_assert(!AppIntent<BrewConfigIntent>);

Date isoDate(const char *text) { return *foundation::dateFromIso8601(text); }

TEST(ConfigurationIntent, EmptyObjectGivesTheDeclaredDefaults) {
  EXPECT_EQ(foundation::encodeJson(decodeParameters<BrewConfigIntent>(Json::object())),
            foundation::encodeJson(BrewConfigIntent{}));
}

TEST(ConfigurationIntent, EachParameterIsReadFromItsMember) {
  BrewConfigIntent intent = decodeParameters<BrewConfigIntent>(Json::parse(R"({
      "label": "Late", "cups": 3.0, "strength": 1, "decaf": true,
      "start": "2025-03-01T09:30:00+01:00", "roast": "light", "spareRoast": "medium",
      "cafe": "Oslo/Fuglen", "unknown": [1, 2]})"));
  EXPECT_EQ(intent.label, "Late");
  EXPECT_EQ(intent.cups, 3);
  EXPECT_EQ(intent.strength, 1.0);
  EXPECT_TRUE(intent.decaf);
  EXPECT_EQ(intent.start, isoDate("2025-03-01T08:30:00Z"));
  EXPECT_EQ(intent.roast, Roast::light);
  EXPECT_EQ(intent.spareRoast, Roast::medium);
  EXPECT_EQ(intent.cafe, CafeEntity{"Oslo/Fuglen"});
}

TEST(ConfigurationIntent, ValuesThatNameNothingOrNullKeepTheDefaultOrClearAnOption) {
  struct Case {
    const char *name;
    const char *json;
    Roast roast;
    std::optional<Roast> spareRoast;
    std::optional<CafeEntity> cafe;
    int64_t cups;
  };
  const Case cases[] = {
      {"raw values are case-sensitive", R"({"roast": "Dark", "spareRoast": "DARK"})", Roast::medium,
       Roast::dark, std::nullopt, 2},
      {"unknown raw value of an option", R"({"spareRoast": "burnt"})", Roast::medium, Roast::dark,
       std::nullopt, 2},
      {"null clears an option", R"({"spareRoast": null, "cafe": null})", Roast::medium,
       std::nullopt, std::nullopt, 2},
      {"null keeps a plain parameter's default", R"({"roast": null, "cups": null})", Roast::medium,
       Roast::dark, std::nullopt, 2},
      {"an id the query refuses keeps the default", R"({"cafe": "!Oslo/Closed"})", Roast::medium,
       Roast::dark, std::nullopt, 2},
      {"an id the query takes, unchecked", R"({"cafe": "Nowhere"})", Roast::medium, Roast::dark,
       CafeEntity{"Nowhere"}, 2},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    BrewConfigIntent intent = decodeParameters<BrewConfigIntent>(Json::parse(c.json));
    EXPECT_EQ(intent.roast, c.roast);
    EXPECT_EQ(intent.spareRoast, c.spareRoast);
    EXPECT_EQ(intent.cafe, c.cafe);
    EXPECT_EQ(intent.cups, c.cups);
  }
}

TEST(ConfigurationIntent, ValuesOfTheWrongFormAreRefusedNamingTheParameter) {
  struct Case {
    const char *json;
    const char *parameter;
  };
  const Case cases[] = {
      {R"({"label": 5})", "label"},
      {R"({"cups": 2.5})", "cups"},
      {R"({"cups": 9223372036854775808})", "cups"},
      {R"({"strength": "strong"})", "strength"},
      {R"({"decaf": 1})", "decaf"},
      {R"({"start": 7})", "start"},
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
  EXPECT_THROW(decodeParameters<BrewConfigIntent>(Json("label")), DecodeError);
}

TEST(ConfigurationIntent, WrittenFormReadsBackEqual) {
  BrewConfigIntent intent;
  intent.label = "Ünïcode";
  intent.cups = -4;
  intent.start = isoDate("2024-02-29T23:59:59.250Z"); // between seconds: milliseconds kept
  intent.spareRoast = std::nullopt;
  intent.cafe = CafeEntity{"Lisbon/Fábrica"};
  Json json = foundation::encodeJson(intent);
  EXPECT_EQ(json["start"], "2024-02-29T23:59:59.250Z");
  EXPECT_EQ(json["roast"], "medium");
  EXPECT_TRUE(json["spareRoast"].is_null());
  EXPECT_EQ(json["cafe"], "Lisbon/Fábrica");

  BrewConfigIntent back = decodeParameters<BrewConfigIntent>(json);
  EXPECT_EQ(foundation::encodeJson(back), json);
  EXPECT_EQ(back.start, intent.start);
  EXPECT_EQ(back.spareRoast, std::nullopt);
}

TEST(ConfigurationIntent, DescriptionListsTitlesAndDefaultsInDeclarationOrder) {
  IntentDescription description = describeIntent<BrewConfigIntent>();
  EXPECT_EQ(description.typeName, "BrewConfigIntent");
  EXPECT_EQ(description.title, "Brew Options");
  std::vector<ParameterDescription> expected = {
      {"label", "Label", "Morning"},         {"cups", "Cups", 2},
      {"strength", "Strength", 0.5},         {"decaf", "Decaf", false},
      {"start", "Start", nullptr},           {"roast", "Roast", "medium"},
      {"spareRoast", "Spare roast", "dark"}, {"cafe", "Café", nullptr},
  };
  EXPECT_EQ(description.parameters, expected);
}

} // namespace
} // namespace kit::intents
